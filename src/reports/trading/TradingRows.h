#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "local/TableLayout.h"
#include "local/TableSink.h"
#include "reports/trading/TradingCodes.h"

// The records of the trading reports: orders, trades and open positions,
// each with the columns it is listed under and written to a CSV file in.
namespace korvant {

// One order as listed under " 委托记录 " and written to the order CSV file
// (456 bytes on the wire, answers of commands 103 and 104).
struct OrderRow {
    static constexpr int WireSize = 456;

    int32_t tradingDay = 0;     // 0
    int32_t orderNumber = 0;    // 4
    int32_t subAccount = 0;     // 8
    int32_t requestNumber = 0;  // 44
    std::string exchange;       // 48, char[16]
    std::string contract;       // 64, char[32]
    int32_t direction = 0;      // 96, code
    int32_t openClose = 0;      // 100, code
    int32_t hedge = 0;          // 104, code
    int32_t priceType = 0;      // 108, code
    double price = 0;           // 112
    int32_t volume = 0;         // 120
    int32_t tradedVolume = 0;   // 124
    int32_t status = 0;         // 128, code
    int32_t actualDate = 0;     // 132
    std::string orderTime;      // 136, char[12]
    std::string cancelTime;     // 148, char[12]
    std::string remarkFirst;    // 164, char[64]
    std::string mainAccount;    // 228, char[16]
    std::string systemNumber;   // 244, char[32]
    std::string remarkSecond;   // 276, char[64]
    std::string address;        // 380, char[64]
    std::string product;        // 444, char[12]

    static OrderRow fromWire(const uint8_t* record);
    void toWire(uint8_t* record) const;
};

// The same into `row`, its texts' storage kept (a writer's row, read again
// for every record).
void readOrderRow(const uint8_t* record, OrderRow& row);

// "子账号", "交易日", "委托号", "请求号", "交易所", "合约", "买卖", "开平", "投保",
// "价格类型", "委托价", "委托量", "成交量", "状态", "实际日期", "委托时间", "撤单时间",
// "主账号", "系统号", "网络地址", "产品信息", "备注": the list's columns and the
// export's fields.
const std::array<const char*, 22>& orderCaptions();
// The same with the kind of each column, the sheet "委托记录".
const TableLayout& orderLayout();
// The cells of one order, in column order, then the row's end (the list's
// cells and the export's fields; the two remark parts joined).
void writeOrderRow(TableSink& sink, const OrderRow& row);
std::vector<std::string> orderCells(const OrderRow& row);

// One trade as listed under " 成交记录 " and written to the trade CSV file
// (256 bytes on the wire, answers of commands 89 and 93; the trade price
// is not 8-byte aligned).
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

void readTradeRow(const uint8_t* record, TradeRow& row);

// "子账号", "交易日", "委托号", "成交号", "请求号", "交易所", "合约", "买卖", "开平",
// "投保", "成交价", "成交量", "成交金额", "实际日期", "成交时间", "主账号", "系统号",
// "手续费", "平仓浮动盈亏", "平仓盈亏", "基础手续费": the list's columns and the
// export's fields.
const std::array<const char*, 21>& tradeCaptions();
// The same with the kind of each column, the sheet "成交记录".
const TableLayout& tradeLayout();
void writeTradeRow(TableSink& sink, const TradeRow& row);
std::vector<std::string> tradeCells(const TradeRow& row);

// One open position as listed under " 持仓记录 " (156 bytes on the wire,
// answers of command 108; the open price is not 8-byte aligned).
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
