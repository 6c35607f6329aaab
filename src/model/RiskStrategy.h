#pragma once

#include <array>
#include <cstdint>
#include <cstring>

// A rule of the risk-rule warehouse (2376 bytes on the wire, command-90
// answers). Kept as the raw record; the risk area reads its fields.
namespace korvant {

struct RiskStrategy {
    static constexpr int WireSize = 2376;

    std::array<uint8_t, WireSize> raw{};

    static RiskStrategy fromWire(const uint8_t* record) {
        RiskStrategy s;
        std::memcpy(s.raw.data(), record, WireSize);
        return s;
    }
    void toWire(uint8_t* record) const { std::memcpy(record, raw.data(), WireSize); }
};

}  // namespace korvant
