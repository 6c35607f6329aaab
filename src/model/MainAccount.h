#pragma once

#include <array>
#include <cstdint>
#include <string>

// Main (funding) accounts. `MainAccount` is the 88-byte record of a
// first-level group's list (command-37 answers); `MainAccountLink` the
// 24-byte record of the main accounts linked to a second-level group
// (command-64 answers).
namespace korvant {

struct MainAccount {
    static constexpr int WireSize = 88;
    static constexpr int FeeRateCount = 5;

    std::string account;            // 0, char[16]
    double initialFunds = 0;        // 16: 0 = not limited
    double distributableFunds = 0;  // 24
    double startInvestment = 0;     // 32
    double priorityFunds = 0;       // 40
    // 48: management fee rate, custody fee rate and three further values,
    // sent back as read when the account is modified.
    std::array<double, FeeRateCount> feeRates{};

    static MainAccount fromWire(const uint8_t* record);
    void toWire(uint8_t* record) const;
};

struct MainAccountLink {
    static constexpr int WireSize = 24;

    std::string account;            // 0, char[16]
    double distributableFunds = 0;  // 16

    static MainAccountLink fromWire(const uint8_t* record);
    void toWire(uint8_t* record) const;
};

}  // namespace korvant
