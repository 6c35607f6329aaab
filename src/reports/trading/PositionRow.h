#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One open position as listed under " 持仓记录 " (156 bytes on the wire,
// answers of command 108; the open price is not 8-byte aligned).
namespace korvant {

struct PositionRow {
    static constexpr int WireSize = 156;

    std::string exchange;           // 0, char[12]
    std::string contract;           // 12, char[32]
    std::string mainAccount;        // 44, char[16]
    std::string openTime;           // 60, char[12]
    std::string tradeNumber;        // 72, char[24]
    std::string combinationNumber;  // 96, char[24]
    uint8_t direction = 0;          // 120, code
    uint8_t hedge = 0;              // 121, code
    int32_t subAccount = 0;         // 124
    int32_t openDate = 0;           // 128
    int32_t tradingDay = 0;         // 132
    int32_t volume = 0;             // 136
    double openPrice = 0;           // 140
    double settlementPrice = 0;     // 148

    static PositionRow fromWire(const uint8_t* record);
    void toWire(uint8_t* record) const;
};

// "子账号", "交易日", "交易所", "合约", "买卖", "投保", "开仓价", "结算价", "持仓量",
// "主账号", "开仓日期", "开仓时间", "成交号", "组合成交号".
const std::array<const char*, 14>& positionCaptions();
std::vector<std::string> positionCells(const PositionRow& row);

}  // namespace korvant
