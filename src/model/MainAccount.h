#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/WireFields.h"

// Main (funding) accounts. `MainAccount` is the record of a first-level
// group's list (command-37 answers); `MainAccountLink` the record of the
// main accounts linked to a second-level group (command-64 answers).
namespace korvant {

struct MainAccount {
    static constexpr int WireSize = 88;
    static constexpr int FeeRateCount = 5;

    std::string account;
    double initialFunds = 0;  // 0 = not limited
    double distributableFunds = 0;
    double startInvestment = 0;
    double priorityFunds = 0;
    // Management fee rate, custody fee rate and three further values, sent
    // back as read when the account is modified.
    std::array<double, FeeRateCount> feeRates{};

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&MainAccount::account, 0, 16),
        wireField(&MainAccount::initialFunds, 16, 8),
        wireField(&MainAccount::distributableFunds, 24, 8),
        wireField(&MainAccount::startInvestment, 32, 8),
        wireField(&MainAccount::priorityFunds, 40, 8),
        wireField(&MainAccount::feeRates, 48, 8 * FeeRateCount));
    // clang-format on

    static MainAccount fromWire(const uint8_t* record) { return decodeWire<MainAccount>(record); }
    void toWire(uint8_t* record) const { writeWire(*this, record); }
};

struct MainAccountLink {
    static constexpr int WireSize = 24;

    std::string account;
    double distributableFunds = 0;

    static constexpr auto wireFields =
        wireLayout<WireSize>(wireField(&MainAccountLink::account, 0, 16),
                             wireField(&MainAccountLink::distributableFunds, 16, 8));

    static MainAccountLink fromWire(const uint8_t* record) {
        return decodeWire<MainAccountLink>(record);
    }
    void toWire(uint8_t* record) const { writeWire(*this, record); }
};

}  // namespace korvant
