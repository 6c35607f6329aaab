#pragma once

#include <cstdint>
#include <string>

#include "model/WireFields.h"

// One movement of funds as listed under " 出入金记录 " (one record of the
// command-47 answers).
namespace korvant {

struct DepositRecord {
    static constexpr int WireSize = 116;

    int32_t customer = 0;   // customer number
    int32_t tradeDate = 0;  // yyyymmdd
    int32_t date = 0;       // yyyymmdd
    std::string time;
    double amount = 0;  // positive deposit, negative withdrawal
    std::string operatorName;
    int32_t serial = 0;
    std::string remark;

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&DepositRecord::customer, 0, 4),
        wireField(&DepositRecord::tradeDate, 4, 4),
        wireField(&DepositRecord::date, 8, 4),
        wireField(&DepositRecord::time, 12, 12),
        wireField(&DepositRecord::amount, 24, 8),
        wireField(&DepositRecord::operatorName, 32, 16),
        wireField(&DepositRecord::serial, 48, 4),
        wireField(&DepositRecord::remark, 52, 64));
    // clang-format on

    static DepositRecord fromWire(const uint8_t* record) {
        return decodeWire<DepositRecord>(record);
    }
    void toWire(uint8_t* record) const { writeWire(*this, record); }

    bool isDeposit() const { return amount >= 0; }
    // "入金" and "出金" cells: the amount with two decimals in the column of
    // its direction, the other empty.
    std::string depositText() const;
    std::string withdrawalText() const;
};

}  // namespace korvant
