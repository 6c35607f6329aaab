#include "model/ContractVariety.h"

#include "model/WireFields.h"

namespace korvant {

// Where each field of a contract lies in its record.
// clang-format off
constexpr WireFields varietyFields{
    wireField(&ContractVariety::contractCode, 0, 32),
    wireField(&ContractVariety::productCode, 32, 32),
    wireField(&ContractVariety::exchangeCode, 64, 16),
};
// clang-format on

ContractVariety ContractVariety::fromWire(const uint8_t* r) {
    return varietyFields.decode<ContractVariety>(r);
}

void ContractVariety::toWire(uint8_t* r) const {
    varietyFields.write(*this, r);
}

}  // namespace korvant
