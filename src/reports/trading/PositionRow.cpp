#include "reports/trading/PositionRow.h"

#include "model/WireFields.h"
#include "reports/trading/TradingCodes.h"
#include "text/NumberText.h"

namespace korvant {

// Where each field of a position lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(PositionRow,
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
    wireField(&PositionRow::settlementPrice, 148, 8))
// clang-format on

const std::array<const char*, 14>& positionCaptions() {
    static const std::array<const char*, 14> captions = {
        "子账号", "交易日", "交易所", "合约",     "买卖",     "投保",   "开仓价",
        "结算价", "持仓量", "主账号", "开仓日期", "开仓时间", "成交号", "组合成交号"};
    return captions;
}

std::vector<std::string> positionCells(const PositionRow& row) {
    return {formatInt(row.subAccount),
            formatInt(row.tradingDay),
            row.exchange,
            row.contract,
            directionText(row.direction),
            hedgeText(row.hedge),
            formatFixed(row.openPrice, 3),
            formatFixed(row.settlementPrice, 3),
            formatInt(row.volume),
            row.mainAccount,
            formatInt(row.openDate),
            row.openTime,
            row.tradeNumber,
            row.combinationNumber};
}

}  // namespace korvant
