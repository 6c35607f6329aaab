#include "reports/trading/TradingRows.h"

#include "local/TableCellTexts.h"
#include "model/WireCells.h"
#include "model/WireFields.h"
#include "protocol/Gbk.h"
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

// "交易所", "合约", "买卖", "开平", "投保" of an order or a trade, from the
// decoded row or its wire record (WireCells.h).
template <class Row, class Source>
void writeContractCells(TableSink& sink, const Source& row) {
    textCell(sink, cellOf<&Row::exchange>(row));
    textCell(sink, cellOf<&Row::contract>(row));
    sink.text(directionText(cellOf<&Row::direction>(row)));
    sink.text(openCloseText(cellOf<&Row::openClose>(row)));
    sink.text(hedgeText(cellOf<&Row::hedge>(row)));
}

// "备注": the two parts of an order's remark joined.
void remarkCell(TableSink& sink, const std::string& first, const std::string& second) {
    if (second.empty())
        sink.text(first);
    else
        sink.text(first + second);
}
void remarkCell(TableSink& sink, WireText first, WireText second) {
    if (second.field[0] == 0)
        sink.wireText(first);
    else
        sink.text(readPlainText(first.field, first.width) +
                  readPlainText(second.field, second.width));
}

template <class Source>
void writeOrderCells(TableSink& sink, const Source& row) {
    sink.integer(cellOf<&OrderRow::subAccount>(row));
    sink.integer(cellOf<&OrderRow::tradingDay>(row));
    sink.integer(cellOf<&OrderRow::orderNumber>(row));
    sink.integer(cellOf<&OrderRow::requestNumber>(row));
    writeContractCells<OrderRow>(sink, row);
    sink.text(priceTypeText(cellOf<&OrderRow::priceType>(row)));
    sink.number(cellOf<&OrderRow::price>(row));
    sink.integer(cellOf<&OrderRow::volume>(row));
    sink.integer(cellOf<&OrderRow::tradedVolume>(row));
    sink.text(orderStatusText(cellOf<&OrderRow::status>(row)));
    sink.integer(cellOf<&OrderRow::actualDate>(row));
    textCell(sink, cellOf<&OrderRow::orderTime>(row));
    textCell(sink, cellOf<&OrderRow::cancelTime>(row));
    textCell(sink, cellOf<&OrderRow::mainAccount>(row));
    textCell(sink, cellOf<&OrderRow::systemNumber>(row));
    textCell(sink, cellOf<&OrderRow::address>(row));
    textCell(sink, cellOf<&OrderRow::product>(row));
    remarkCell(sink, cellOf<&OrderRow::remarkFirst>(row), cellOf<&OrderRow::remarkSecond>(row));
    sink.endRow();
}

template <class Source>
void writeTradeCells(TableSink& sink, const Source& row) {
    sink.integer(cellOf<&TradeRow::subAccount>(row));
    sink.integer(cellOf<&TradeRow::tradingDay>(row));
    sink.integer(cellOf<&TradeRow::orderNumber>(row));
    textCell(sink, cellOf<&TradeRow::tradeNumber>(row));
    sink.integer(cellOf<&TradeRow::requestNumber>(row));
    writeContractCells<TradeRow>(sink, row);
    sink.number(cellOf<&TradeRow::price>(row));
    sink.integer(cellOf<&TradeRow::volume>(row));
    sink.number(cellOf<&TradeRow::amount>(row));
    sink.integer(cellOf<&TradeRow::actualDate>(row));
    textCell(sink, cellOf<&TradeRow::tradeTime>(row));
    textCell(sink, cellOf<&TradeRow::mainAccount>(row));
    textCell(sink, cellOf<&TradeRow::systemNumber>(row));
    sink.number(cellOf<&TradeRow::fee>(row));
    sink.number(cellOf<&TradeRow::closeFloatingProfit>(row));
    sink.number(cellOf<&TradeRow::closeProfit>(row));
    sink.number(cellOf<&TradeRow::baseFee>(row));
    sink.endRow();
}

}  // namespace

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
    writeOrderCells(sink, row);
}

void writeOrderRecord(TableSink& sink, const uint8_t* record) {
    writeOrderCells(sink, WireRecord<OrderRow>{record});
}

std::vector<std::string> orderCells(const OrderRow& row) {
    return writtenCells(row, orderLayout(), &writeOrderRow);
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
    writeTradeCells(sink, row);
}

void writeTradeRecord(TableSink& sink, const uint8_t* record) {
    writeTradeCells(sink, WireRecord<TradeRow>{record});
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
