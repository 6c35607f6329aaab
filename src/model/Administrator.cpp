#include "model/Administrator.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant {

Administrator Administrator::fromWire(const uint8_t* r) {
    Administrator a;
    a.account = readPlainText(r, 16);
    a.password = readPlainText(r + 16, 16);
    a.permissionMask = getU32(r + 32);
    a.groupName = readPlainText(r + 36, 32);
    a.groupId = getI32(r + 68);
    a.name = readPlainText(r + 72, 32);
    a.multiLogin = getI32(r + 104);
    for (int i = 0; i < IpCount; ++i) a.allowedIps[i] = getU32(r + 108 + 4 * i);
    a.monitorFrom = getI32(r + 128);
    a.monitorTo = getI32(r + 132);
    return a;
}

void Administrator::toWire(uint8_t* r) const {
    std::memset(r, 0, WireSize);
    writePlainText(r, 16, account);
    writePlainText(r + 16, 16, password);
    putU32(r + 32, permissionMask);
    writePlainText(r + 36, 32, groupName);
    putI32(r + 68, groupId);
    writePlainText(r + 72, 32, name);
    putI32(r + 104, multiLogin);
    for (int i = 0; i < IpCount; ++i) putU32(r + 108 + 4 * i, allowedIps[i]);
    putI32(r + 128, monitorFrom);
    putI32(r + 132, monitorTo);
}

}  // namespace korvant
