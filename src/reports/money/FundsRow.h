#pragma once

#include <cstdint>
#include <string>

// One row of the account-funds report, 144 bytes on the wire.
namespace korvant {

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

}  // namespace korvant
