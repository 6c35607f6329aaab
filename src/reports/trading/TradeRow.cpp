#include "reports/trading/TradeRow.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "reports/trading/TradingCodes.h"
#include "text/NumberText.h"

namespace korvant {

TradeRow TradeRow::fromWire(const uint8_t* record) {
    TradeRow r;
    r.tradingDay = getI32(record + 0);
    r.orderNumber = getI32(record + 4);
    readPlainText(record + 8, 32, r.tradeNumber);
    r.subAccount = getI32(record + 40);
    r.requestNumber = getI32(record + 44);
    readPlainText(record + 48, 16, r.exchange);
    readPlainText(record + 64, 32, r.contract);
    r.direction = getI32(record + 96);
    r.openClose = getI32(record + 100);
    r.hedge = getI32(record + 104);
    r.price = getF64(record + 108);
    r.volume = getI32(record + 116);
    r.amount = getF64(record + 120);
    r.actualDate = getI32(record + 128);
    readPlainText(record + 132, 12, r.tradeTime);
    readPlainText(record + 144, 16, r.mainAccount);
    readPlainText(record + 160, 32, r.systemNumber);
    r.fee = getF64(record + 192);
    r.closeFloatingProfit = getF64(record + 200);
    r.closeProfit = getF64(record + 208);
    r.baseFee = getF64(record + 248);
    return r;
}

void TradeRow::toWire(uint8_t* record) const {
    std::memset(record, 0, WireSize);
    putI32(record + 0, tradingDay);
    putI32(record + 4, orderNumber);
    writePlainText(record + 8, 32, tradeNumber);
    putI32(record + 40, subAccount);
    putI32(record + 44, requestNumber);
    writePlainText(record + 48, 16, exchange);
    writePlainText(record + 64, 32, contract);
    putI32(record + 96, direction);
    putI32(record + 100, openClose);
    putI32(record + 104, hedge);
    putF64(record + 108, price);
    putI32(record + 116, volume);
    putF64(record + 120, amount);
    putI32(record + 128, actualDate);
    writePlainText(record + 132, 12, tradeTime);
    writePlainText(record + 144, 16, mainAccount);
    writePlainText(record + 160, 32, systemNumber);
    putF64(record + 192, fee);
    putF64(record + 200, closeFloatingProfit);
    putF64(record + 208, closeProfit);
    putF64(record + 248, baseFee);
}

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
