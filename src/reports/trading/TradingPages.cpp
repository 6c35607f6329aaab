#include "reports/trading/TradingPages.h"

#include "app/desk/Desk.h"
#include "app/forms/DateCheck.h"
#include "reports/ReportsPages.h"
#include "reports/trading/TradingCodes.h"
#include "text/NumberText.h"

namespace korvant {

void TradingReportPage::showAnswer(Desk& desk, const uint8_t* packet, int length) {
    const ListPage answer = parseListPage(packet, length, rowSize_);
    cursor_ = PageCursor{1, 0};
    take(answer);
    desk.notify(DeskChange::PageLabel);
}

TradingReportPage::TradingReportPage(uint8_t command, int rowSize, const char* const* captions,
                                     int count)
    : command_(command), rowSize_(rowSize) {
    for (int i = 0; i < count; ++i) columns_.push_back({captions[i], 100});
}

TradingQuery TradingReportPage::requestOf(int32_t page) const {
    return {day, target.text, target.id, page};
}

bool TradingReportPage::showPage(Desk& desk, int page) {
    if (!checkCalendarDates(desk.port(), {{"日期", day}})) return false;
    const TradingQuery wanted = requestOf(page);
    ReportQuery query;
    query.command = command_;
    query.rowSize = rowSize_;
    query.title = command_ == TradeQueryCommand   ? "查询成交记录"
                  : command_ == OrderQueryCommand ? "查询委托记录"
                                                  : "查询持仓";
    query.request = [this, &wanted] { return writeTradingQuery(command_, wanted); };
    return runReportQuery(desk, query, [this](const ListPage& answer) {
        if (answer.hasHeader) cursor_ = PageCursor{answer.total, answer.index};
        take(answer);
    });
}

template <class Row>
std::vector<std::string> TradingRowsPage<Row>::cells(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    return cellsOf_(rows[static_cast<std::size_t>(row)]);
}

template <class Row>
std::string TradingRowsPage<Row>::rowKey(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    return keyOf(rows[static_cast<std::size_t>(row)]);
}

// Records of one answer, decoded field by field; never more than the
// answer holds.
template <class Row>
void TradingRowsPage<Row>::take(const ListPage& page) {
    rows.clear();
    rows.reserve(static_cast<std::size_t>(page.count));
    for (int i = 0; i < page.count; ++i)
        rows.push_back(Row::fromWire(page.records + static_cast<std::size_t>(i) * Row::WireSize));
}

template class TradingRowsPage<TradeRow>;
template class TradingRowsPage<OrderRow>;
template class TradingRowsPage<PositionRow>;

TradesPage::TradesPage() : TradingRowsPage(TradeQueryCommand, tradeCaptions(), &tradeCells) {}

std::string TradesPage::keyOf(const TradeRow& r) const {
    return formatInt(r.subAccount) + "/" + r.exchange + "/" + r.tradeNumber;
}

OrdersPage::OrdersPage() : TradingRowsPage(OrderQueryCommand, orderCaptions(), &orderCells) {}

std::string OrdersPage::keyOf(const OrderRow& r) const {
    return formatInt(r.subAccount) + "/" + formatInt(r.orderNumber) + "/" + r.systemNumber;
}

PositionsPage::PositionsPage()
    : TradingRowsPage(PositionQueryCommand, positionCaptions(), &positionCells) {}

// A position is named by its account, contract and the trades that opened
// it, so that a change re-queried keeps exactly the rows chosen before.
std::string PositionsPage::keyOf(const PositionRow& r) const {
    return formatInt(r.subAccount) + "/" + r.exchange + "/" + r.contract + "/" + r.tradeNumber +
           "/" + r.combinationNumber + "/" + directionText(r.direction);
}

TradesPage& tradesPage(Desk& desk) {
    return registeredReportPage(desk, reportsPages(desk).trades);
}

OrdersPage& ordersPage(Desk& desk) {
    return registeredReportPage(desk, reportsPages(desk).orders);
}

PositionsPage& positionsPage(Desk& desk) {
    return registeredReportPage(desk, reportsPages(desk).positions);
}

}  // namespace korvant
