#pragma once

#include <cstdint>
#include <string>
#include "model/WireFields.h"

// The records of the account-funds and net-value reports.
namespace korvant {

// One row of the account-funds report, 144 bytes on the wire.
struct FundsRow {
    static constexpr int WireSize = 144;

    std::string account;
    int32_t tradingDay = 0;
    double equity = 0;
    double previousEquity = 0;
    double available = 0;
    double margin = 0;
    double totalFees = 0;
    double openFloating = 0;  // floating profit of open positions
    double openMarked = 0;    // mark-to-market profit of open positions
    double closedFloating = 0;
    double closedMarked = 0;
    double deposits = 0;
    double withdrawals = 0;
    std::string riskDegree;  // as the server writes it
    double baseFees = 0;

    // "附加手续费": what the fees hold beyond the base fees.
    double extraFees() const { return totalFees - baseFees; }

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&FundsRow::account, 0, 32),
        wireField(&FundsRow::tradingDay, 32, 4),
        wireField(&FundsRow::equity, 36, 8),
        wireField(&FundsRow::previousEquity, 44, 8),
        wireField(&FundsRow::available, 52, 8),
        wireField(&FundsRow::margin, 60, 8),
        wireField(&FundsRow::totalFees, 68, 8),
        wireField(&FundsRow::openFloating, 76, 8),
        wireField(&FundsRow::openMarked, 84, 8),
        wireField(&FundsRow::closedFloating, 92, 8),
        wireField(&FundsRow::closedMarked, 100, 8),
        wireField(&FundsRow::deposits, 108, 8),
        wireField(&FundsRow::withdrawals, 116, 8),
        wireField(&FundsRow::riskDegree, 124, 12),
        wireField(&FundsRow::baseFees, 136, 8));
    // clang-format on

    static FundsRow fromWire(const uint8_t* row) { return decodeWire<FundsRow>(row); }
    void toWire(uint8_t* row) const { writeWire(*this, row); }
};

// One row of the net-value report, 124 bytes on the wire.
struct NetValueRow {
    static constexpr int WireSize = 124;

    std::string mainAccount;
    int32_t tradingDay = 0;
    double equity = 0;  // account equity
    double netAssetValue = 0;
    double initialInvestment = 0;
    double managementFee = 0;
    double custodyFee = 0;
    // 60: three values not used here
    double accruedFirst = 0;
    double accruedSecond = 0;
    // 100: three values not used here

    // "应提费用": both parts of the accrued fee.
    double accruedFees() const { return accruedFirst + accruedSecond; }
    // "份额净值" is known only for an initial investment above 0.
    bool hasShareValue() const { return initialInvestment > 0; }
    double shareValue() const { return hasShareValue() ? netAssetValue / initialInvestment : 0; }

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&NetValueRow::mainAccount, 0, 16),
        wireField(&NetValueRow::tradingDay, 16, 4),
        wireField(&NetValueRow::equity, 20, 8),
        wireField(&NetValueRow::netAssetValue, 28, 8),
        wireField(&NetValueRow::initialInvestment, 36, 8),
        wireField(&NetValueRow::managementFee, 44, 8),
        wireField(&NetValueRow::custodyFee, 52, 8),
        wireField(&NetValueRow::accruedFirst, 84, 8),
        wireField(&NetValueRow::accruedSecond, 92, 8));
    // clang-format on

    static NetValueRow fromWire(const uint8_t* row) { return decodeWire<NetValueRow>(row); }
    void toWire(uint8_t* row) const { writeWire(*this, row); }
};

}  // namespace korvant
