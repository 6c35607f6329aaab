#include "reports/trading/PositionRow.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "reports/trading/TradingCodes.h"
#include "text/NumberText.h"

namespace korvant {

PositionRow PositionRow::fromWire(const uint8_t* record) {
    PositionRow r;
    readPlainText(record + 0, 12, r.exchange);
    readPlainText(record + 12, 32, r.contract);
    readPlainText(record + 44, 16, r.mainAccount);
    readPlainText(record + 60, 12, r.openTime);
    readPlainText(record + 72, 24, r.tradeNumber);
    readPlainText(record + 96, 24, r.combinationNumber);
    r.direction = getU8(record + 120);
    r.hedge = getU8(record + 121);
    r.subAccount = getI32(record + 124);
    r.openDate = getI32(record + 128);
    r.tradingDay = getI32(record + 132);
    r.volume = getI32(record + 136);
    r.openPrice = getF64(record + 140);
    r.settlementPrice = getF64(record + 148);
    return r;
}

void PositionRow::toWire(uint8_t* record) const {
    std::memset(record, 0, WireSize);
    writePlainText(record + 0, 12, exchange);
    writePlainText(record + 12, 32, contract);
    writePlainText(record + 44, 16, mainAccount);
    writePlainText(record + 60, 12, openTime);
    writePlainText(record + 72, 24, tradeNumber);
    writePlainText(record + 96, 24, combinationNumber);
    putU8(record + 120, direction);
    putU8(record + 121, hedge);
    putI32(record + 124, subAccount);
    putI32(record + 128, openDate);
    putI32(record + 132, tradingDay);
    putI32(record + 136, volume);
    putF64(record + 140, openPrice);
    putF64(record + 148, settlementPrice);
}

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
