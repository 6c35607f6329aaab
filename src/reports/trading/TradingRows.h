#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "local/TableLayout.h"
#include "local/TableSink.h"
#include "model/WireFields.h"
#include "reports/trading/TradingCodes.h"

// The records of the trading reports: orders, trades and open positions,
// each with the columns it is listed under and written to a CSV file in.
namespace korvant {

// One order as listed under " 委托记录 " and written to the order CSV file
// (456 bytes on the wire, answers of commands 103 and 104).
struct OrderRow {
    static constexpr int WireSize = 456;

    int32_t tradingDay = 0;
    int32_t orderNumber = 0;
    int32_t subAccount = 0;
    int32_t requestNumber = 0;
    std::string exchange;
    std::string contract;
    int32_t direction = 0;  // code
    int32_t openClose = 0;  // code
    int32_t hedge = 0;      // code
    int32_t priceType = 0;  // code
    double price = 0;
    int32_t volume = 0;
    int32_t tradedVolume = 0;
    int32_t status = 0;  // code
    int32_t actualDate = 0;
    std::string orderTime;
    std::string cancelTime;
    std::string remarkFirst;
    std::string mainAccount;
    std::string systemNumber;
    std::string remarkSecond;
    std::string address;
    std::string product;

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&OrderRow::tradingDay, 0, 4),
        wireField(&OrderRow::orderNumber, 4, 4),
        wireField(&OrderRow::subAccount, 8, 4),
        wireField(&OrderRow::requestNumber, 44, 4),
        wireField(&OrderRow::exchange, 48, 16),
        wireField(&OrderRow::contract, 64, 32),
        wireField(&OrderRow::direction, 96, 4),
        wireField(&OrderRow::openClose, 100, 4),
        wireField(&OrderRow::hedge, 104, 4),
        wireField(&OrderRow::priceType, 108, 4),
        wireField(&OrderRow::price, 112, 8),
        wireField(&OrderRow::volume, 120, 4),
        wireField(&OrderRow::tradedVolume, 124, 4),
        wireField(&OrderRow::status, 128, 4),
        wireField(&OrderRow::actualDate, 132, 4),
        wireField(&OrderRow::orderTime, 136, 12),
        wireField(&OrderRow::cancelTime, 148, 12),
        wireField(&OrderRow::remarkFirst, 164, 64),
        wireField(&OrderRow::mainAccount, 228, 16),
        wireField(&OrderRow::systemNumber, 244, 32),
        wireField(&OrderRow::remarkSecond, 276, 64),
        wireField(&OrderRow::address, 380, 64),
        wireField(&OrderRow::product, 444, 12));
    // clang-format on

    static OrderRow fromWire(const uint8_t* record) { return decodeWire<OrderRow>(record); }
    void toWire(uint8_t* record) const { writeWire(*this, record); }
};

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
// The same from the record's wire bytes (WireSize of them), its texts
// handed to the sink undecoded.
void writeOrderRecord(TableSink& sink, const uint8_t* record);
std::vector<std::string> orderCells(const OrderRow& row);

// One trade as listed under " 成交记录 " and written to the trade CSV file
// (256 bytes on the wire, answers of commands 89 and 93; the trade price
// is not 8-byte aligned).
struct TradeRow {
    static constexpr int WireSize = 256;

    int32_t tradingDay = 0;
    int32_t orderNumber = 0;
    std::string tradeNumber;
    int32_t subAccount = 0;
    int32_t requestNumber = 0;
    std::string exchange;
    std::string contract;
    int32_t direction = 0;  // code
    int32_t openClose = 0;  // code
    int32_t hedge = 0;      // code
    double price = 0;
    int32_t volume = 0;
    double amount = 0;
    int32_t actualDate = 0;
    std::string tradeTime;
    std::string mainAccount;
    std::string systemNumber;
    double fee = 0;
    double closeFloatingProfit = 0;
    double closeProfit = 0;
    double baseFee = 0;

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&TradeRow::tradingDay, 0, 4),
        wireField(&TradeRow::orderNumber, 4, 4),
        wireField(&TradeRow::tradeNumber, 8, 32),
        wireField(&TradeRow::subAccount, 40, 4),
        wireField(&TradeRow::requestNumber, 44, 4),
        wireField(&TradeRow::exchange, 48, 16),
        wireField(&TradeRow::contract, 64, 32),
        wireField(&TradeRow::direction, 96, 4),
        wireField(&TradeRow::openClose, 100, 4),
        wireField(&TradeRow::hedge, 104, 4),
        wireField(&TradeRow::price, 108, 8),
        wireField(&TradeRow::volume, 116, 4),
        wireField(&TradeRow::amount, 120, 8),
        wireField(&TradeRow::actualDate, 128, 4),
        wireField(&TradeRow::tradeTime, 132, 12),
        wireField(&TradeRow::mainAccount, 144, 16),
        wireField(&TradeRow::systemNumber, 160, 32),
        wireField(&TradeRow::fee, 192, 8),
        wireField(&TradeRow::closeFloatingProfit, 200, 8),
        wireField(&TradeRow::closeProfit, 208, 8),
        wireField(&TradeRow::baseFee, 248, 8));
    // clang-format on

    static TradeRow fromWire(const uint8_t* record) { return decodeWire<TradeRow>(record); }
    void toWire(uint8_t* record) const { writeWire(*this, record); }
};

// "子账号", "交易日", "委托号", "成交号", "请求号", "交易所", "合约", "买卖", "开平",
// "投保", "成交价", "成交量", "成交金额", "实际日期", "成交时间", "主账号", "系统号",
// "手续费", "平仓浮动盈亏", "平仓盈亏", "基础手续费": the list's columns and the
// export's fields.
const std::array<const char*, 21>& tradeCaptions();
// The same with the kind of each column, the sheet "成交记录".
const TableLayout& tradeLayout();
void writeTradeRow(TableSink& sink, const TradeRow& row);
void writeTradeRecord(TableSink& sink, const uint8_t* record);
std::vector<std::string> tradeCells(const TradeRow& row);

// One open position as listed under " 持仓记录 " (156 bytes on the wire,
// answers of command 108; the open price is not 8-byte aligned).
struct PositionRow {
    static constexpr int WireSize = 156;

    std::string exchange;
    std::string contract;
    std::string mainAccount;
    std::string openTime;
    std::string tradeNumber;
    std::string combinationNumber;
    uint8_t direction = 0;  // code
    uint8_t hedge = 0;      // code
    int32_t subAccount = 0;
    int32_t openDate = 0;
    int32_t tradingDay = 0;
    int32_t volume = 0;
    double openPrice = 0;
    double settlementPrice = 0;

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&PositionRow::exchange, 0, 12),
        wireField(&PositionRow::contract, 12, 32),
        wireField(&PositionRow::mainAccount, 44, 16),
        wireField(&PositionRow::openTime, 60, 12),
        wireField(&PositionRow::tradeNumber, 72, 24),
        wireField(&PositionRow::combinationNumber, 96, 24),
        wireField(&PositionRow::direction, 120, 1),
        wireField(&PositionRow::hedge, 121, 1),
        wireField(&PositionRow::subAccount, 124, 4),
        wireField(&PositionRow::openDate, 128, 4),
        wireField(&PositionRow::tradingDay, 132, 4),
        wireField(&PositionRow::volume, 136, 4),
        wireField(&PositionRow::openPrice, 140, 8),
        wireField(&PositionRow::settlementPrice, 148, 8));
    // clang-format on

    static PositionRow fromWire(const uint8_t* record) { return decodeWire<PositionRow>(record); }
    void toWire(uint8_t* record) const { writeWire(*this, record); }
};

// "子账号", "交易日", "交易所", "合约", "买卖", "投保", "开仓价", "结算价", "持仓量",
// "主账号", "开仓日期", "开仓时间", "成交号", "组合成交号".
const std::array<const char*, 14>& positionCaptions();
std::vector<std::string> positionCells(const PositionRow& row);

}  // namespace korvant
