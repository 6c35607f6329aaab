#include "model/SubAccount.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant {

SubAccount SubAccount::fromWire(const uint8_t* r) {
    SubAccount s;
    s.account = readPlainText(r, 16);
    s.password = readPlainText(r + 16, 16);
    s.groupName = readPlainText(r + 32, 32);
    s.groupId = getI32(r + 64);
    s.name = readPlainText(r + 68, 32);
    s.openDate = getI32(r + 100);
    s.mainAccount = readPlainText(r + 104, 16);
    s.marginTemplate = readPlainText(r + 120, 64);
    s.feeTemplate = readPlainText(r + 184, 64);
    s.startInvestment = getF64(r + 248);
    s.mac = readPlainText(r + 256, 32);
    s.priorityFunds = getF64(r + 288);
    s.remark = readPlainText(r + 296, 64);
    s.options = getI32(r + 360);
    return s;
}

void SubAccount::toWire(uint8_t* r) const {
    std::memset(r, 0, WireSize);
    writePlainText(r, 16, account);
    writePlainText(r + 16, 16, password);
    writePlainText(r + 32, 32, groupName);
    putI32(r + 64, groupId);
    writePlainText(r + 68, 32, name);
    putI32(r + 100, openDate);
    writePlainText(r + 104, 16, mainAccount);
    writePlainText(r + 120, 64, marginTemplate);
    writePlainText(r + 184, 64, feeTemplate);
    putF64(r + 248, startInvestment);
    writePlainText(r + 256, 32, mac);
    putF64(r + 288, priorityFunds);
    writePlainText(r + 296, 64, remark);
    putI32(r + 360, options);
}

}  // namespace korvant
