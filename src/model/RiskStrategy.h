#pragma once

#include <array>
#include <cstdint>
#include <cstring>

// A rule of the risk-rule warehouse (2376 bytes on the wire, command-90
// answers). Kept as the raw record; the risk area reads its fields.
namespace korvant {

struct RiskStrategy {
    static constexpr int WireSize = 2376;

    std::array<uint8_t, WireSize> raw;

    RiskStrategy() : raw{} {}
    static RiskStrategy fromWire(const uint8_t* record) { return RiskStrategy(record); }
    void toWire(uint8_t* record) const { std::memcpy(record, raw.data(), WireSize); }

private:
    // Copied straight from the wire, without zeroing the record first.
    explicit RiskStrategy(const uint8_t* record) { std::memcpy(raw.data(), record, WireSize); }
};

}  // namespace korvant
