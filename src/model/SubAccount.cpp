#include "model/SubAccount.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant {

SubAccount SubAccount::fromWire(const uint8_t* r) {
    SubAccount s;
    readPlainText(r, 16, s.account);
    readPlainText(r + 16, 16, s.password);
    readPlainText(r + 32, 32, s.groupName);
    s.groupId = getI32(r + 64);
    readPlainText(r + 68, 32, s.name);
    s.openDate = getI32(r + 100);
    readPlainText(r + 104, 16, s.mainAccount);
    readPlainText(r + 120, 64, s.marginTemplate);
    readPlainText(r + 184, 64, s.feeTemplate);
    s.startInvestment = getF64(r + 248);
    readPlainText(r + 256, 32, s.mac);
    s.priorityFunds = getF64(r + 288);
    readPlainText(r + 296, 64, s.remark);
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
