#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/trading/TradingCodes.h"
#include "text/NumberText.h"

// One trade as listed under " 成交记录 " and written to the trade CSV file
// (256 bytes on the wire, answers of commands 89 and 93; the trade price
// is not 8-byte aligned).
namespace korvant {

struct TradeRow {
    static constexpr int WireSize = 256;

    int32_t tradingDay = 0;          // 0
    int32_t orderNumber = 0;         // 4
    std::string tradeNumber;         // 8, char[32]
    int32_t subAccount = 0;          // 40
    int32_t requestNumber = 0;       // 44
    std::string exchange;            // 48, char[16]
    std::string contract;            // 64, char[32]
    int32_t direction = 0;           // 96, code
    int32_t openClose = 0;           // 100, code
    int32_t hedge = 0;               // 104, code
    double price = 0;                // 108
    int32_t volume = 0;              // 116
    double amount = 0;               // 120
    int32_t actualDate = 0;          // 128
    std::string tradeTime;           // 132, char[12]
    std::string mainAccount;         // 144, char[16]
    std::string systemNumber;        // 160, char[32]
    double fee = 0;                  // 192
    double closeFloatingProfit = 0;  // 200
    double closeProfit = 0;          // 208
    double baseFee = 0;              // 248

    static TradeRow fromWire(const uint8_t* record);
    void toWire(uint8_t* record) const;
};

// "子账号", "交易日", "委托号", "成交号", "请求号", "交易所", "合约", "买卖", "开平",
// "投保", "成交价", "成交量", "成交金额", "实际日期", "成交时间", "主账号", "系统号",
// "手续费", "平仓浮动盈亏", "平仓盈亏", "基础手续费": the list's columns and the CSV
// file's fields.
const std::array<const char*, 21>& tradeCaptions();
std::vector<std::string> tradeCells(const TradeRow& row);
// Hands the text of each column of `row` to `cell`, in column order (the
// list's cells and the export's fields).
template <class Cell>
void forEachTradeCell(const TradeRow& row, Cell&& cell) {
    cell(formatInt(row.subAccount));
    cell(formatInt(row.tradingDay));
    cell(formatInt(row.orderNumber));
    cell(row.tradeNumber);
    cell(formatInt(row.requestNumber));
    cell(row.exchange);
    cell(row.contract);
    cell(directionText(row.direction));
    cell(openCloseText(row.openClose));
    cell(hedgeText(row.hedge));
    cell(formatFixed(row.price, 3));
    cell(formatInt(row.volume));
    cell(formatFixed(row.amount, 2));
    cell(formatInt(row.actualDate));
    cell(row.tradeTime);
    cell(row.mainAccount);
    cell(row.systemNumber);
    cell(formatFixed(row.fee, 2));
    cell(formatFixed(row.closeFloatingProfit, 2));
    cell(formatFixed(row.closeProfit, 2));
    cell(formatFixed(row.baseFee, 2));
}

}  // namespace korvant
