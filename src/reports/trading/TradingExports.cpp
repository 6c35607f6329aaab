#include "reports/trading/TradingExports.h"

#include "app/desk/Desk.h"
#include "reports/trading/TradingPages.h"

namespace korvant {

namespace {

template <class Row, class Page>
ReportExport tradingExport(Desk& desk, Page& page, const ReportExportForm& form, const char* title,
                           uint8_t command, const TableLayout& layout,
                           void (*write)(TableSink&, const uint8_t*)) {
    TradingExportQuery query;
    query.startDay = form.startDate;
    query.endDay = form.endDate;
    query.targetText = page.target.text;
    query.targetId = page.target.id;
    ReportExport exported;
    exported.title = title;
    exported.command = command;
    exported.rowSize = Row::WireSize;
    exported.loop = PageLoop::CountAndIndex;
    exported.requestPage = [query, command](int index) {
        TradingExportQuery next = query;
        next.page = index;
        return writeTradingExport(command, next);
    };
    exported.layout = layout;
    exported.writeRow = write;
    exported.showLast = [&desk, &page](const uint8_t* packet, int length) {
        page.showAnswer(desk, packet, length);
    };
    return exported;
}

template <class Page>
bool exportFromDesk(Desk& desk, Page& page,
                    ReportExportResult (*run)(Desk&, Page&, const ReportExportForm&)) {
    page.takeTypedAccount();
    return exportThroughForm(
        desk, page.day, page.day,
        [&desk, &page, run](const ReportExportForm& form) { return run(desk, page, form); });
}

}  // namespace

ReportExport orderExport(Desk& desk, OrdersPage& page, const ReportExportForm& form) {
    return tradingExport<OrderRow>(desk, page, form, "导出委托记录", OrderExportCommand,
                                   orderLayout(), &writeOrderRecord);
}

ReportExport tradeExport(Desk& desk, TradesPage& page, const ReportExportForm& form) {
    return tradingExport<TradeRow>(desk, page, form, "导出成交记录", TradeExportCommand,
                                   tradeLayout(), &writeTradeRecord);
}

ReportExportResult exportOrders(Desk& desk, OrdersPage& page, const ReportExportForm& form) {
    return runReportExport(desk, form, orderExport(desk, page, form));
}

ReportExportResult exportTrades(Desk& desk, TradesPage& page, const ReportExportForm& form) {
    return runReportExport(desk, form, tradeExport(desk, page, form));
}

bool exportOrdersFromDesk(Desk& desk, OrdersPage& page) {
    return exportFromDesk(desk, page, &exportOrders);
}

bool exportTradesFromDesk(Desk& desk, TradesPage& page) {
    return exportFromDesk(desk, page, &exportTrades);
}

}  // namespace korvant
