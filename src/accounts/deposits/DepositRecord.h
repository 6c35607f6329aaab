#pragma once

#include <cstdint>
#include <string>

// One movement of funds as listed under " 出入金记录 " (116 bytes on the wire,
// command-47 answers).
namespace korvant {

struct DepositRecord {
    static constexpr int WireSize = 116;

    int32_t customer = 0;      // 0: customer number
    int32_t tradeDate = 0;     // 4: yyyymmdd
    int32_t date = 0;          // 8: yyyymmdd
    std::string time;          // 12, char[12]
    double amount = 0;         // 24: positive deposit, negative withdrawal
    std::string operatorName;  // 32, char[16]
    int32_t serial = 0;        // 48
    std::string remark;        // 52, char[64]

    static DepositRecord fromWire(const uint8_t* record);
    void toWire(uint8_t* record) const;

    bool isDeposit() const { return amount >= 0; }
    // "入金" and "出金" cells: the amount with two decimals in the column of
    // its direction, the other empty.
    std::string depositText() const;
    std::string withdrawalText() const;
};

}  // namespace korvant
