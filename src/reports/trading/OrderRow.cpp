#include "reports/trading/OrderRow.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "reports/trading/TradingCodes.h"
#include "text/NumberText.h"

namespace korvant {

OrderRow OrderRow::fromWire(const uint8_t* record) {
    OrderRow r;
    r.tradingDay = getI32(record + 0);
    r.orderNumber = getI32(record + 4);
    r.subAccount = getI32(record + 8);
    r.requestNumber = getI32(record + 44);
    readPlainText(record + 48, 16, r.exchange);
    readPlainText(record + 64, 32, r.contract);
    r.direction = getI32(record + 96);
    r.openClose = getI32(record + 100);
    r.hedge = getI32(record + 104);
    r.priceType = getI32(record + 108);
    r.price = getF64(record + 112);
    r.volume = getI32(record + 120);
    r.tradedVolume = getI32(record + 124);
    r.status = getI32(record + 128);
    r.actualDate = getI32(record + 132);
    readPlainText(record + 136, 12, r.orderTime);
    readPlainText(record + 148, 12, r.cancelTime);
    readPlainText(record + 164, 64, r.remarkFirst);
    readPlainText(record + 228, 16, r.mainAccount);
    readPlainText(record + 244, 32, r.systemNumber);
    readPlainText(record + 276, 64, r.remarkSecond);
    readPlainText(record + 380, 64, r.address);
    readPlainText(record + 444, 12, r.product);
    return r;
}

void OrderRow::toWire(uint8_t* record) const {
    std::memset(record, 0, WireSize);
    putI32(record + 0, tradingDay);
    putI32(record + 4, orderNumber);
    putI32(record + 8, subAccount);
    putI32(record + 44, requestNumber);
    writePlainText(record + 48, 16, exchange);
    writePlainText(record + 64, 32, contract);
    putI32(record + 96, direction);
    putI32(record + 100, openClose);
    putI32(record + 104, hedge);
    putI32(record + 108, priceType);
    putF64(record + 112, price);
    putI32(record + 120, volume);
    putI32(record + 124, tradedVolume);
    putI32(record + 128, status);
    putI32(record + 132, actualDate);
    writePlainText(record + 136, 12, orderTime);
    writePlainText(record + 148, 12, cancelTime);
    writePlainText(record + 164, 64, remarkFirst);
    writePlainText(record + 228, 16, mainAccount);
    writePlainText(record + 244, 32, systemNumber);
    writePlainText(record + 276, 64, remarkSecond);
    writePlainText(record + 380, 64, address);
    writePlainText(record + 444, 12, product);
}

const std::array<const char*, 22>& orderCaptions() {
    static const std::array<const char*, 22> captions = {
        "子账号",   "交易日",   "委托号", "请求号",   "交易所",   "合约", "买卖",     "开平",
        "投保",     "价格类型", "委托价", "委托量",   "成交量",   "状态", "实际日期", "委托时间",
        "撤单时间", "主账号",   "系统号", "网络地址", "产品信息", "备注"};
    return captions;
}

std::vector<std::string> orderCells(const OrderRow& row) {
    std::vector<std::string> cells;
    cells.reserve(orderCaptions().size());
    forEachOrderCell(row, [&cells](std::string_view text) { cells.emplace_back(text); });
    return cells;
}

}  // namespace korvant
