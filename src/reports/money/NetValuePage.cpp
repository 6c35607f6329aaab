#include "reports/money/NetValuePage.h"

#include "app/exchange/DeskPagedQuery.h"
#include "app/forms/DateCheck.h"
#include "app/forms/SearchFilter.h"
#include "app/lists/AccountListRequests.h"
#include "model/MainAccount.h"
#include "protocol/CommandCode.h"
#include "reports/ReportsPages.h"
#include "reports/money/MoneyCsv.h"
#include "text/NumberText.h"

namespace korvant {

namespace {

constexpr const char* DateOrderText = "起始时间不能晚于结束时间";

}  // namespace

const std::array<const char*, 9>& netValueCaptions() {
    static const std::array<const char*, 9> captions = {"主账号",   "交易日",   "账户权益",
                                                        "资产净值", "份额净值", "期初投入",
                                                        "管理费",   "托管费",   "应提费用"};
    return captions;
}

std::vector<std::string> netValueCells(const NetValueRow& row) {
    return {row.mainAccount,
            formatInt(row.tradingDay),
            formatFixed(row.equity, 2),
            formatFixed(row.netAssetValue, 2),
            row.hasShareValue() ? formatFixed(row.shareValue(), 4) : std::string(),
            formatFixed(row.initialInvestment, 2),
            formatFixed(row.managementFee, 2),
            formatFixed(row.custodyFee, 2),
            formatFixed(row.accruedFees(), 2)};
}

NetValueQuery NetValuePage::queryOf(int32_t page) const {
    return {startDate, endDate, target.text, target.id, page};
}

bool NetValuePage::showPage(Desk& desk, int page) {
    if (target.text.empty()) return false;
    if (!checkCalendarDates(desk.port(), {{"起始日期", startDate}, {"结束日期", endDate}}))
        return false;
    if (startDate > endDate) {
        desk.port().info(DateOrderText);
        return false;
    }
    return queryRows(desk, cmd::NetValueReport, queryOf(page), writeNetValueQuery);
}

bool NetValuePage::search(Desk& desk) {
    takeTypedAccount(false);
    return showPage(desk, 0);
}

void NetValuePage::targetChosen(Desk& desk, bool shown) {
    account.clear();
    if (shown) reloadNetValueMainAccounts(desk, *this);
}

NetValuePage& netValuePage(Desk& desk) {
    return registeredReportPage(desk, reportsPages(desk).netValues);
}

bool reloadNetValueMainAccounts(Desk& desk, NetValuePage& page) {
    if (page.target.id < 0) return false;
    const int32_t groupId = page.target.id;
    std::vector<std::string> names;
    PagedQuery query;
    query.command = cmd::MainAccountList;
    query.recordSize = MainAccount::WireSize;
    query.writeRequest = [groupId](int index, uint8_t* out, int capacity) {
        return writeMainAccountListRequest(groupId, SearchFilter{}, index, out, capacity);
    };
    query.parsePage = [&names](const uint8_t* packet, int length) {
        const ListPage answer = parseListPage(packet, length, MainAccount::WireSize);
        for (int i = 0; i < answer.count; ++i)
            names.push_back(MainAccount::fromWire(answer.records + static_cast<std::size_t>(i) *
                                                                       MainAccount::WireSize)
                                .account);
    };
    PagedQueryTexts texts;
    texts.buildFailed = "  组包出错!! ";
    texts.undecodable = " 解析数据包出错!";
    texts.progress = "查询主账号";
    if (!runDeskPagedQuery(desk, std::move(query), texts)) return false;
    page.mainAccounts = std::move(names);
    if (page.mainAccounts.empty()) return false;
    page.account = page.mainAccounts.front();
    return page.search(desk);
}

bool exportNetValues(Desk& desk, NetValuePage& page) {
    return exportThroughForm(desk, page.startDate, page.endDate,
                             [&desk, &page](const ReportExportForm& form) {
                                 return exportNetValuesTo(desk, page, form);
                             });
}

ReportExportResult exportNetValuesTo(Desk& desk, NetValuePage& page, const ReportExportForm& form) {
    page.takeTypedAccount(false);
    if (page.target.text.empty()) {
        desk.port().warn("请先选择主账号。");
        return {};
    }
    NetValueQuery request = page.queryOf(0);
    request.startDay = form.startDate;
    request.endDay = form.endDate;

    ReportExport exported;
    exported.title = "导出净值";
    exported.command = cmd::NetValueReport;
    exported.rowSize = NetValueRow::WireSize;
    exported.loop = PageLoop::LastIndex;
    exported.requestPage = [&request](int index) {
        NetValueQuery next = request;
        next.page = index;
        return writeNetValueQuery(next);
    };
    exported.layout = netValueLayout();
    exported.writeRow = [](TableSink& sink, const uint8_t* row) {
        writeNetValueRow(sink, NetValueRow::fromWire(row));
    };
    exported.showLast = [&page, &desk](const uint8_t* packet, int length) {
        page.showExportedPage(desk, packet, length);
    };
    return runReportExport(desk, form, exported);
}

}  // namespace korvant
