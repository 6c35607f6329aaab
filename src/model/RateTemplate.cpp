#include "model/RateTemplate.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant {

void RateTemplate::readWire(const uint8_t* r) {
    id = getI32(r);
    name = readPlainText(r + 4, 64);
    groupCode = readPlainText(r + 68, 16);
}

void RateTemplate::toWire(uint8_t* r) const {
    std::memset(r, 0, WireSize);
    putI32(r, id);
    writePlainText(r + 4, 64, name);
    writePlainText(r + 68, 16, groupCode);
}

}  // namespace korvant
