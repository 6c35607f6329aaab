#include "reports/trading/TradeRow.h"

#include "model/WireFields.h"
#include "reports/trading/TradingCodes.h"
#include "text/NumberText.h"

namespace korvant {

// Where each field of a trade lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(TradeRow,
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
    wireField(&TradeRow::baseFee, 248, 8))
// clang-format on

const std::array<const char*, 21>& tradeCaptions() {
    static const std::array<const char*, 21> captions = {
        "子账号",   "交易日", "委托号", "成交号", "请求号",       "交易所",   "合约",
        "买卖",     "开平",   "投保",   "成交价", "成交量",       "成交金额", "实际日期",
        "成交时间", "主账号", "系统号", "手续费", "平仓浮动盈亏", "平仓盈亏", "基础手续费"};
    return captions;
}

std::vector<std::string> tradeCells(const TradeRow& row) {
    std::vector<std::string> cells;
    cells.reserve(tradeCaptions().size());
    forEachTradeCell(row, [&cells](std::string_view text) { cells.emplace_back(text); });
    return cells;
}

}  // namespace korvant
