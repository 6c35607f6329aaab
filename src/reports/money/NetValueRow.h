#pragma once

#include <cstdint>
#include <string>

// One row of the net-value report, 124 bytes on the wire.
namespace korvant {

struct NetValueRow {
    static constexpr int WireSize = 124;

    std::string mainAccount;       // 0, char[16]
    int32_t tradingDay = 0;        // 16
    double equity = 0;             // 20, account equity
    double netAssetValue = 0;      // 28
    double initialInvestment = 0;  // 36
    double managementFee = 0;      // 44
    double custodyFee = 0;         // 52
    // 60: three values not used here
    double accruedFirst = 0;   // 84
    double accruedSecond = 0;  // 92
    // 100: three values not used here

    // "应提费用": both parts of the accrued fee.
    double accruedFees() const { return accruedFirst + accruedSecond; }
    // "份额净值" is known only for an initial investment above 0.
    bool hasShareValue() const { return initialInvestment > 0; }
    double shareValue() const { return hasShareValue() ? netAssetValue / initialInvestment : 0; }

    static NetValueRow fromWire(const uint8_t* row);
    void toWire(uint8_t* row) const;
};

}  // namespace korvant
