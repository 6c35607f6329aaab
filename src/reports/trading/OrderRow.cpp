#include "reports/trading/OrderRow.h"

#include "model/WireFields.h"
#include "reports/trading/TradingCodes.h"
#include "text/NumberText.h"

namespace korvant {

// Where each field of an order lies in its record.
// clang-format off
KORVANT_WIRE_RECORD(OrderRow,
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
    wireField(&OrderRow::product, 444, 12))
// clang-format on

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
