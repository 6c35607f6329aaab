#pragma once

#include <cstdint>
#include <string>

// The records of the account-funds and net-value reports.
namespace korvant {

// One row of the account-funds report, 144 bytes on the wire.
struct FundsRow {
    static constexpr int WireSize = 144;

    std::string account;        // 0, char[32]
    int32_t tradingDay = 0;     // 32
    double equity = 0;          // 36
    double previousEquity = 0;  // 44
    double available = 0;       // 52
    double margin = 0;          // 60
    double totalFees = 0;       // 68
    double openFloating = 0;    // 76, floating profit of open positions
    double openMarked = 0;      // 84, mark-to-market profit of open positions
    double closedFloating = 0;  // 92
    double closedMarked = 0;    // 100
    double deposits = 0;        // 108
    double withdrawals = 0;     // 116
    std::string riskDegree;     // 124, char[12], as the server writes it
    double baseFees = 0;        // 136

    // "附加手续费": what the fees hold beyond the base fees.
    double extraFees() const { return totalFees - baseFees; }

    static FundsRow fromWire(const uint8_t* row);
    void toWire(uint8_t* row) const;
};

// One row of the net-value report, 124 bytes on the wire.
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
