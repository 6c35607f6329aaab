#pragma once

#include <cstdint>
#include <string>

#include "model/WireFields.h"

// A contract of the variety list (one record of the command-42 answers).
// The order of the cache matters: template rate pages are positional
// against it.
namespace korvant {

struct ContractVariety {
    static constexpr int WireSize = 80;

    std::string contractCode;
    std::string productCode;  // shared by all months of a product
    std::string exchangeCode;

    static constexpr auto wireFields =
        wireLayout<WireSize>(wireField(&ContractVariety::contractCode, 0, 32),
                             wireField(&ContractVariety::productCode, 32, 32),
                             wireField(&ContractVariety::exchangeCode, 64, 16));

    static ContractVariety fromWire(const uint8_t* record) {
        return decodeWire<ContractVariety>(record);
    }
    void toWire(uint8_t* record) const { writeWire(*this, record); }
};

}  // namespace korvant
