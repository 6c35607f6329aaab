#include "reports/trading/TradingExports.h"

#include "app/Desk.h"
#include "local/CsvText.h"
#include "reports/trading/TradingPages.h"

namespace korvant {

namespace {

std::string headerOf(const char* const* captions, std::size_t count) {
    std::string header;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) header += ',';
        header += captions[i];
    }
    return header + "\r\n";
}

// The CSV fields of a row, written straight into the page's lines.
struct CsvFields {
    std::string& out;
    bool first = true;
    void operator()(std::string_view text) {
        if (!first) out += ',';
        first = false;
        appendCsvCell(out, text);
    }
};

// One row's CSV line, from its record.
template <class Row>
void appendRowLine(std::string& out, const uint8_t* record) {
    forEachCell(Row::fromWire(record), CsvFields{out});
    out += "\r\n";
}

template <class Row, class Page>
ReportExport tradingExport(Desk& desk, Page& page, const ReportExportForm& form, const char* title,
                           uint8_t command, const char* const* captions, std::size_t count) {
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
    exported.writeRequest = [query, command](int index, uint8_t* buffer, int capacity) {
        TradingExportQuery next = query;
        next.page = index;
        return writeTradingExport(command, next, buffer, capacity);
    };
    exported.header = headerOf(captions, count);
    exported.appendLine = &appendRowLine<Row>;
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
                                   orderCaptions().data(), orderCaptions().size());
}

ReportExport tradeExport(Desk& desk, TradesPage& page, const ReportExportForm& form) {
    return tradingExport<TradeRow>(desk, page, form, "导出成交记录", TradeExportCommand,
                                   tradeCaptions().data(), tradeCaptions().size());
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
