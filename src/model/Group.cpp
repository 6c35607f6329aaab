#include "model/Group.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant {

Group Group::fromWire(const uint8_t* r) {
    Group g;
    g.name = readPlainText(r, 32);
    g.id = getI32(r + 32);
    g.alias = readPlainText(r + 36, 32);
    g.parentId = getI32(r + 68);
    g.tag = readPlainText(r + 72, 16);
    g.remark = readPlainText(r + 88, 32);
    g.referenceValue = getI32(r + 120);
    g.extraValue = getI32(r + 124);
    g.groupCode = readPlainText(r + 128, 16);
    g.allowedSubAccounts = getI32(r + 144);
    g.subAccountFrom = getI32(r + 148);
    g.subAccountTo = getI32(r + 152);
    return g;
}

Group Group::partialFromWire(const uint8_t* r) {
    Group g;
    g.name = readPlainText(r, 32);
    g.id = getI32(r + 32);
    g.alias = readPlainText(r + 36, 32);
    g.parentId = getI32(r + 68);
    g.remark = readPlainText(r + 88, 32);
    return g;
}

void Group::toWire(uint8_t* r) const {
    std::memset(r, 0, WireSize);
    writePlainText(r, 32, name);
    putI32(r + 32, id);
    writePlainText(r + 36, 32, alias);
    putI32(r + 68, parentId);
    writePlainText(r + 72, 16, tag);
    writePlainText(r + 88, 32, remark);
    putI32(r + 120, referenceValue);
    putI32(r + 124, extraValue);
    writePlainText(r + 128, 16, groupCode);
    putI32(r + 144, allowedSubAccounts);
    putI32(r + 148, subAccountFrom);
    putI32(r + 152, subAccountTo);
}

}  // namespace korvant
