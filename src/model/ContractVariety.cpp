#include "model/ContractVariety.h"

#include <cstring>

#include "protocol/Gbk.h"

namespace korvant {

ContractVariety ContractVariety::fromWire(const uint8_t* r) {
    ContractVariety v;
    v.contractCode = readPlainText(r, 32);
    v.productCode = readPlainText(r + 32, 32);
    v.exchangeCode = readPlainText(r + 64, 16);
    return v;
}

void ContractVariety::toWire(uint8_t* r) const {
    std::memset(r, 0, WireSize);
    writePlainText(r, 32, contractCode);
    writePlainText(r + 32, 32, productCode);
    writePlainText(r + 64, 16, exchangeCode);
}

}  // namespace korvant
