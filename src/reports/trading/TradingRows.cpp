#include "reports/trading/TradingRows.h"

#include "local/TableCellTexts.h"
#include "model/WireFields.h"
#include "reports/trading/TradingCodes.h"
#include "text/NumberText.h"

namespace korvant {
namespace {

// The cells of a row as its writer hands them out.
template <class Row>
std::vector<std::string> writtenCells(const Row& row, const TableLayout& layout,
                                      void (*write)(TableSink&, const Row&)) {
    TableCellTexts cells(layout);
    cells.cells().reserve(layout.columns.size());
    write(cells, row);
    return std::move(cells.cells());
}

// A layout of `captions` with the kinds of `kinds`, in order.
template <std::size_t N>
TableLayout layoutOf(const char* sheet, const std::array<const char*, N>& captions,
                     const std::array<TableColumn, N>& kinds) {
    TableLayout layout{sheet, {}};
    for (std::size_t i = 0; i < N; ++i) {
        TableColumn column = kinds[i];
        column.caption = captions[i];
        layout.columns.push_back(column);
    }
    return layout;
}

const TableColumn Txt{"", CellKind::Text};
const TableColumn Int{"", CellKind::Integer};
const TableColumn Day{"", CellKind::Date};
const TableColumn Price{"", CellKind::Number, 3};
const TableColumn Money{"", CellKind::Number, 2};

// "交易所", "合约", "买卖", "开平", "投保" of an order or a trade.
template <class Row>
void writeContractCells(TableSink& sink, const Row& row) {
    sink.text(row.exchange);
    sink.text(row.contract);
    sink.text(directionText(row.direction));
    sink.text(openCloseText(row.openClose));
    sink.text(hedgeText(row.hedge));
}

}  // namespace

void readOrderRow(const uint8_t* record, OrderRow& row) {
    readWire<OrderRow::wireFields>(record, row);
}

const std::array<const char*, 22>& orderCaptions() {
    static const std::array<const char*, 22> captions = {
        "子账号",   "交易日",   "委托号", "请求号",   "交易所",   "合约", "买卖",     "开平",
        "投保",     "价格类型", "委托价", "委托量",   "成交量",   "状态", "实际日期", "委托时间",
        "撤单时间", "主账号",   "系统号", "网络地址", "产品信息", "备注"};
    return captions;
}

const TableLayout& orderLayout() {
    static const TableLayout layout = layoutOf(
        "委托记录", orderCaptions(),
        std::array<TableColumn, 22>{Txt, Day, Txt, Txt, Txt, Txt, Txt, Txt, Txt, Txt, Price,
                                    Int, Int, Txt, Day, Txt, Txt, Txt, Txt, Txt, Txt, Txt});
    return layout;
}

void writeOrderRow(TableSink& sink, const OrderRow& row) {
    sink.integer(row.subAccount);
    sink.integer(row.tradingDay);
    sink.integer(row.orderNumber);
    sink.integer(row.requestNumber);
    writeContractCells(sink, row);
    sink.text(priceTypeText(row.priceType));
    sink.number(row.price);
    sink.integer(row.volume);
    sink.integer(row.tradedVolume);
    sink.text(orderStatusText(row.status));
    sink.integer(row.actualDate);
    sink.text(row.orderTime);
    sink.text(row.cancelTime);
    sink.text(row.mainAccount);
    sink.text(row.systemNumber);
    sink.text(row.address);
    sink.text(row.product);
    if (row.remarkSecond.empty())
        sink.text(row.remarkFirst);
    else
        sink.text(row.remarkFirst + row.remarkSecond);
    sink.endRow();
}

std::vector<std::string> orderCells(const OrderRow& row) {
    return writtenCells(row, orderLayout(), &writeOrderRow);
}

void readTradeRow(const uint8_t* record, TradeRow& row) {
    readWire<TradeRow::wireFields>(record, row);
}

const std::array<const char*, 21>& tradeCaptions() {
    static const std::array<const char*, 21> captions = {
        "子账号",   "交易日", "委托号", "成交号", "请求号",       "交易所",   "合约",
        "买卖",     "开平",   "投保",   "成交价", "成交量",       "成交金额", "实际日期",
        "成交时间", "主账号", "系统号", "手续费", "平仓浮动盈亏", "平仓盈亏", "基础手续费"};
    return captions;
}

const TableLayout& tradeLayout() {
    static const TableLayout layout =
        layoutOf("成交记录", tradeCaptions(),
                 std::array<TableColumn, 21>{Txt, Day, Txt, Txt,   Txt,   Txt,   Txt,
                                             Txt, Txt, Txt, Price, Int,   Money, Day,
                                             Txt, Txt, Txt, Money, Money, Money, Money});
    return layout;
}

void writeTradeRow(TableSink& sink, const TradeRow& row) {
    sink.integer(row.subAccount);
    sink.integer(row.tradingDay);
    sink.integer(row.orderNumber);
    sink.text(row.tradeNumber);
    sink.integer(row.requestNumber);
    writeContractCells(sink, row);
    sink.number(row.price);
    sink.integer(row.volume);
    sink.number(row.amount);
    sink.integer(row.actualDate);
    sink.text(row.tradeTime);
    sink.text(row.mainAccount);
    sink.text(row.systemNumber);
    sink.number(row.fee);
    sink.number(row.closeFloatingProfit);
    sink.number(row.closeProfit);
    sink.number(row.baseFee);
    sink.endRow();
}

std::vector<std::string> tradeCells(const TradeRow& row) {
    return writtenCells(row, tradeLayout(), &writeTradeRow);
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
