#include "reports/money/FundsPage.h"

#include "app/forms/DateCheck.h"
#include "protocol/CommandCode.h"
#include "reports/ReportsPages.h"
#include "reports/money/MoneyCsv.h"
#include "text/NumberText.h"

namespace korvant {

const std::array<const char*, 16>& fundsCaptions() {
    static const std::array<const char*, 16> captions = {
        "账号",         "交易日",     "权益",     "上日权益",     "可用资金",     "保证金",
        "基础手续费",   "附加手续费", "总手续费", "持仓浮动盈亏", "持仓盯市盈亏", "平仓浮动盈亏",
        "平仓盯市盈亏", "入金",       "出金",     "风险度"};
    return captions;
}

const std::array<const char*, FundsSortKeys>& fundsSortCaptions() {
    static const std::array<const char*, FundsSortKeys> captions = {
        "账号",   "交易日",       "权益",         "可用资金",     "保证金",
        "手续费", "持仓浮动盈亏", "持仓盯市盈亏", "平仓浮动盈亏", "平仓盯市盈亏",
        "入金",   "出金",         "风险度",       "总浮动盈亏",   "总盯市盈亏"};
    return captions;
}

std::vector<std::string> fundsCells(const FundsRow& row) {
    std::vector<std::string> cells{row.account, formatInt(row.tradingDay)};
    for (double value : {row.equity, row.previousEquity, row.available, row.margin, row.baseFees,
                         row.extraFees(), row.totalFees, row.openFloating, row.openMarked,
                         row.closedFloating, row.closedMarked, row.deposits, row.withdrawals})
        cells.push_back(formatFixed(value, 2));
    cells.push_back(row.riskDegree);
    return cells;
}

FundsQuery FundsPage::queryOf(int32_t page) const {
    return {day, sortKey, order, target.text, target.id, page};
}

bool FundsPage::showPage(Desk& desk, int page) {
    if (!checkCalendarDates(desk.port(), {{"日期", day}})) return false;
    return queryRows(desk, cmd::FundsReport, queryOf(page), writeFundsQuery);
}

FundsPage& fundsPage(Desk& desk) {
    return registeredReportPage(desk, reportsPages(desk).funds);
}

bool exportFunds(Desk& desk, FundsPage& page) {
    return exportThroughForm(
        desk, page.day, page.day,
        [&desk, &page](const ReportExportForm& form) { return exportFundsTo(desk, page, form); });
}

ReportExportResult exportFundsTo(Desk& desk, FundsPage& page, const ReportExportForm& form) {
    FundsExportRequest request;
    request.exportNumber = exportTick();
    request.startDay = form.startDate;
    request.endDay = form.endDate;
    request.sortKey = page.sortKey;
    request.order = page.order;
    request.targetText = page.target.text;
    request.targetId = page.target.id;

    ReportExport exported;
    exported.title = "导出账户资金";
    exported.command = cmd::FundsExport;
    exported.rowSize = FundsRow::WireSize;
    exported.loop = PageLoop::ControlFields;
    // No page count to check: bounded as a list is (17 million accounts).
    exported.maxPages = MaxQueryPages;
    exported.requestPage = [&request](int index) {
        FundsExportRequest next = request;
        next.page = index;
        return writeFundsExport(next);
    };
    exported.layout = fundsLayout();
    exported.writeRow = [&form](TableSink& sink, const uint8_t* row) {
        writeFundsRow(sink, FundsRow::fromWire(row), form.startDate, form.endDate);
    };
    exported.showLast = [&page, &desk](const uint8_t* packet, int length) {
        page.showExportedPage(desk, packet, length);
    };
    return runReportExport(desk, form, exported);
}

}  // namespace korvant
