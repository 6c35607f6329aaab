#pragma once

#include <cstdint>
#include <string>

// A contract of the variety list (80 bytes on the wire, command-42 answers).
// The order of the cache matters: template rate pages are positional
// against it.
namespace korvant {

struct ContractVariety {
    static constexpr int WireSize = 80;

    std::string contractCode;  // 0, char[32]
    std::string productCode;   // 32, char[32]: shared by all months of a product
    std::string exchangeCode;  // 64, char[16]

    static ContractVariety fromWire(const uint8_t* record);
    void toWire(uint8_t* record) const;
};

}  // namespace korvant
