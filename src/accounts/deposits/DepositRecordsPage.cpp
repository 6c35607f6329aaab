#include "accounts/deposits/DepositRecordsPage.h"

#include "accounts/deposits/DepositRecordsCsv.h"
#include "accounts/deposits/DepositRequests.h"
#include "app/desk/Desk.h"
#include "app/exchange/DeskPagedQuery.h"
#include "app/exchange/Exchange.h"
#include "app/exchange/Query.h"
#include "app/forms/DateCheck.h"
#include "app/forms/ReplaceQuestion.h"
#include "app/forms/SaveTarget.h"
#include "app/lists/AccountListQuery.h"
#include "local/TableFile.h"
#include "model/ListAnswer.h"
#include "protocol/Packet.h"
#include "text/NumberText.h"

namespace korvant {

namespace {

constexpr const char* BuildFailedText = " 组包出错!!";
constexpr const char* UndecodableText = "  错误的数据包, 无法解析 !  ";

}  // namespace

const std::array<const char*, 9>& depositRecordCaptions() {
    static const std::array<const char*, 9> captions = {
        "客户号", "交易日期", "日期", "时间", "入金", "出金", "操作员", "流水号", "备注"};
    return captions;
}

std::vector<std::string> depositRecordCells(const DepositRecord& record) {
    return {formatInt(record.customer),
            formatInt(record.tradeDate),
            formatInt(record.date),
            record.time,
            record.depositText(),
            record.withdrawalText(),
            record.operatorName,
            formatInt(record.serial),
            record.remark};
}

const std::vector<ReportColumn>& DepositRecordsPage::columns() const {
    static const std::vector<ReportColumn> columns = [] {
        std::vector<ReportColumn> all;
        for (const char* caption : depositRecordCaptions()) all.push_back({caption, 100});
        all.back().width = 300;
        return all;
    }();
    return columns;
}

std::vector<std::string> DepositRecordsPage::cells(int row) const {
    if (row < 0 || row >= records.count()) return {};
    return depositRecordCells(records.at(row));
}

std::vector<std::string> DepositRecordsPage::fieldNames() const {
    return {"customer", "tradeDate", "date", "time", "amount", "operatorName", "serial", "remark"};
}

std::vector<RawValue> DepositRecordsPage::rawValues(int row) const {
    if (row < 0 || row >= records.count()) return {};
    const DepositRecord& r = records.at(row);
    return {int64_t{r.customer}, int64_t{r.tradeDate}, int64_t{r.date}, r.time, r.amount,
            r.operatorName,      int64_t{r.serial},    r.remark};
}

bool DepositRecordsPage::showPage(Desk& desk, int page) {
    return queryDepositRecords(desk, *this, page);
}

DepositRecordsQuery DepositRecordsPage::requestOf(int32_t page) const {
    DepositRecordsQuery query;
    query.startDate = startDate;
    query.endDate = endDate;
    // A typed number, or else the text of the node chosen in the report tree
    // (a sub-account node has the id -1: its text names the customer).
    query.customer = account.empty() ? target.text : account;
    query.accountId = target.id;
    query.page = page;
    return query;
}

DepositRecordsPage& depositRecordsPage(Desk& desk) {
    return registeredReportPage(desk, keptState(desk.states().depositRecords));
}

bool queryDepositRecords(Desk& desk, DepositRecordsPage& page, int pageIndex) {
    if (!checkCalendarDates(desk.port(),
                            {{"起始日期", page.startDate}, {"结束日期", page.endDate}}))
        return false;
    if (page.startDate > page.endDate) {
        desk.port().info("起始时间不能晚于结束时间");
        return false;
    }
    // A refusal shows the server's text through its handler; any other
    // answer is not a page of records.
    QuerySpec spec;
    const DepositRecordsQuery wanted = page.requestOf(pageIndex);
    spec.build = [&wanted](std::span<uint8_t> buffer) {
        return writeDepositRecordsQuery(wanted, buffer.data(), static_cast<int>(buffer.size()));
    };
    spec.command = DepositRecordsCommand;
    spec.minSize = ListHeaderSize;
    spec.listPage = true;
    spec.route = false;
    spec.exchange = ExchangeTexts::query(BuildFailedText);
    spec.undecodable = UndecodableText;
    spec.title = "查询出入金记录";
    const QueryResult answer = runQuery(desk, spec);
    if (!answer) return false;
    const std::vector<uint8_t>& packet = answer.packet();
    page.records.replaceFromAnswer(packet.data(), static_cast<int>(packet.size()));
    desk.notify(DeskChange::PageLabel);
    return true;
}

namespace {

// The most bytes an export writes, so that a server whose pages never end
// does not fill the disk (several times the largest real export).
constexpr int64_t MaxDepositExportBytes = int64_t{1} << 30;

}  // namespace

bool readAllDepositRecords(Desk& desk, const DepositRecordsQuery& query,
                           const std::function<void(const ListPage& page)>& takePage) {
    PagedQuery paged;
    paged.command = DepositRecordsCommand;
    paged.recordSize = DepositRecord::WireSize;
    paged.writeRequest = [&query](int page, uint8_t* buffer, int capacity) {
        DepositRecordsQuery next = query;
        next.page = page;
        return writeDepositRecordsQuery(next, buffer, capacity);
    };
    paged.parsePage = [&takePage](const uint8_t* packet, int length) {
        takePage(parseListPage(packet, length, DepositRecord::WireSize));
    };
    PagedQueryTexts texts;
    texts.buildFailed = BuildFailedText;
    texts.undecodable = UndecodableText;
    texts.progress = "查询出入金记录";
    return runDeskPagedQuery(desk, std::move(paged), texts);
}

bool checkDepositExportForm(FrontEndPort& port, const DepositExportForm& form) {
    // Without a file there is nothing to write to: said before any page is read.
    if (!form.path.empty()) return true;
    port.warn("请先选择导出文件。");
    return false;
}

bool exportDepositRecords(Desk& desk, const DepositRecordsPage& page) {
    FrontEndPort& port = desk.port();
    DepositExportForm form;
    form.startDate = page.startDate;
    form.endDate = page.endDate;
    return port.editForm(form, [&port](DepositExportForm& f) {
        return checkDepositExportForm(port, f);
    }) && exportDepositRecords(desk, page, form);
}

bool exportDepositRecords(Desk& desk, const DepositRecordsPage& page,
                          const DepositExportForm& form) {
    FrontEndPort& port = desk.port();
    if (!checkCalendarDates(port, {{"起始日期", form.startDate}, {"结束日期", form.endDate}}) ||
        !checkSaveTarget(port, form.path))
        return false;
    // Asked once, before anything is fetched.
    if (!mayReplaceFile(port, form.path)) return false;
    DepositRecordsQuery query = page.requestOf(0);
    query.startDate = form.startDate;
    query.endDate = form.endDate;
    const auto failed = [&port, &form](const std::string& reason) {
        port.error("文件保存失败：" + form.path + "\n" + reason);
        return false;
    };
    // A file that cannot be created is said before anything is fetched.
    const std::unique_ptr<TableFile> file = openTableFile(form.path, depositLayout());
    if (!file->ok()) return failed(file->error());
    // Each page becomes rows of the file while the next one is on its way.
    bool tooLarge = false;
    const auto takePage = [&](const ListPage& list) {
        if (tooLarge) return;
        for (int i = 0; i < list.count; ++i)
            writeDepositRow(*file,
                            DepositRecord::fromWire(list.records + static_cast<std::size_t>(i) *
                                                                       DepositRecord::WireSize),
                            form.startDate, form.endDate);
        tooLarge = file->endPage(MaxDepositExportBytes) == PageWrite::TooLarge;
    };
    if (!readAllDepositRecords(desk, query, takePage)) return false;
    if (tooLarge) {
        port.error(TooMuchDataText);
        return false;
    }
    if (!file->commit(true)) return failed(file->error());
    port.info("数据保存成功，保存文件为：" + form.path);
    return true;
}

}  // namespace korvant
