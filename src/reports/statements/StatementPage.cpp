#include "reports/statements/StatementPage.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "app/desk/Desk.h"
#include "app/exchange/DeskPagedQuery.h"
#include "app/exchange/Exchange.h"
#include "app/forms/DateCheck.h"
#include "local/CsvTextWorkbook.h"
#include "local/FileErrorText.h"
#include "local/TableFile.h"
#include "local/WholeFile.h"
#include "model/ListAnswer.h"
#include "protocol/AnswerRouter.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"
#include "reports/ReportsPages.h"
#include "reports/statements/StatementAssembly.h"
#include "text/CalendarDate.h"
#include "text/NumberText.h"

namespace korvant {

namespace {

constexpr const char* BuildFailedText = " 组包出错!!";
constexpr const char* RangeText = "起始日期应小于等于结束日期。 ";
constexpr const char* NoGroupText = "请先选择要导出的结算单所属的组";
constexpr const char* FolderText = "无法创建该目录";
constexpr std::size_t MaxFolderLength = 1022;

}  // namespace

StatementFetch fetchStatement(Desk& desk, StatementRequest request) {
    const ExchangeTexts texts = ExchangeTexts::query(BuildFailedText);
    StatementAssembly assembly;
    std::vector<uint8_t> packet(StatementRequestSize, 0);
    std::vector<uint8_t> answer;
    std::vector<uint8_t> decoded;
    StatementFetch fetch;
    for (request.chunk = 0;; ++request.chunk) {
        const int size =
            writeStatementRequest(request, packet.data(), static_cast<int>(packet.size()));
        const ExchangeResult received = exchange(desk, packet.data(), size, answer, texts);
        if (received.length() <= 0) {
            fetch.failure = StatementForeignText;
            return fetch;
        }
        // A chunk is read as decoded (inflated when it came compressed); an
        // answer that cannot be decoded is no chunk.
        if (decodePacket(received.answer(answer), decoded) != DecodeOk) decoded.clear();
        const StatementAssembly::Step step =
            assembly.take(decoded.data(), static_cast<int>(decoded.size()));
        switch (step) {
            case StatementAssembly::Step::More:
                continue;
            case StatementAssembly::Step::Done:
                fetch.outcome = StatementFetch::Outcome::Text;
                fetch.gbk = assembly.releaseText();
                return fetch;
            case StatementAssembly::Step::Missing:
                fetch.outcome = StatementFetch::Outcome::Missing;
                return fetch;
            case StatementAssembly::Step::Failed:
                fetch.failure = assembly.failure();
                return fetch;
        }
    }
}

StatementRequest StatementPage::request() const {
    StatementRequest r;
    r.start = period.start();
    r.end = period.end();
    r.targetText = target.text;
    r.targetId = target.id;
    r.csv = csv;
    r.style = style;
    return r;
}

const std::vector<ReportColumn>& StatementPage::columns() const {
    static const std::vector<ReportColumn> none;
    return none;
}

bool StatementPage::showPage(Desk& desk, int) {
    return queryStatement(desk, *this);
}

void StatementPage::targetChosen(Desk& desk, bool shown) {
    account.clear();
    if (shown) queryStatement(desk, *this);
}

StatementPage& statementPage(Desk& desk) {
    return registeredReportPage(desk, reportsPages(desk).statement);
}

void showStatementTab(Desk& desk, bool shown) {
    StatementPage& page = statementPage(desk);
    if (shown)
        showReportPage(desk, &page);
    else if (reportPages(desk).shown == &page)
        showReportPage(desk, nullptr);
}

bool queryStatement(Desk& desk, StatementPage& page) {
    if (!page.account.empty()) {
        page.target.text = page.account;
        if (page.selectReportNode) page.selectReportNode(page.account);
        page.target.id = -1;
    }
    if (page.period.type == PeriodType::Month) {
        if (!isCalendarMonth(page.period.month)) {
            desk.port().error(calendarMonthRefusal("月份", page.period.month));
            return false;
        }
    } else if (!checkCalendarDates(desk.port(), {{"日期", page.period.first}}) ||
               (page.period.type == PeriodType::Range &&
                !checkCalendarDates(desk.port(), {{"结束日期", page.period.last}}))) {
        return false;
    }
    if (page.period.type == PeriodType::Range && page.period.last < page.period.first) {
        desk.port().info(RangeText);
        return false;
    }
    StatementFetch fetch = fetchStatement(desk, page.request());
    switch (fetch.outcome) {
        case StatementFetch::Outcome::Text:
            page.gbk = std::move(fetch.gbk);
            page.text = fromGbk(page.gbk);
            break;
        case StatementFetch::Outcome::Missing:
            page.text = StatementMissingText;
            page.gbk = toGbk(page.text);
            break;
        case StatementFetch::Outcome::Failed:
            page.text.clear();
            page.gbk.clear();
            desk.port().error(fetch.failure);
            break;
    }
    desk.notify(DeskChange::PageLabel);
    return fetch.outcome == StatementFetch::Outcome::Text;
}

std::string proposedStatementName(const StatementPage& page) {
    return proposedStatementName(statementNamePart(page.account, page.target.text), page.period,
                                 page.csv);
}

bool saveStatement(Desk& desk, const StatementPage& page, const std::string& path) {
    std::string error;
    const bool workbook = page.csv && tableFormatOf(path) == TableFileFormat::Xlsx;
    if (workbook ? writeCsvTextWorkbook(path, page.gbk, statementSheetName(page.period), error)
                 : writeWholeFile(path, page.gbk, &error))
        return true;
    desk.port().error("文件保存失败：" + path + "\n" + error);
    return false;
}

bool saveStatementAs(Desk& desk, const StatementPage& page) {
    std::vector<FileFilter> filters = {page.csv ? FileFilter{"CSV文件", "*.csv"}
                                                : FileFilter{"文本文件", "*.txt"}};
    if (page.csv) filters.push_back({"Excel 工作簿", "*.xlsx"});
    const std::optional<std::string> chosen =
        desk.port().chooseSaveFile("另存为", proposedStatementName(page), filters);
    if (!chosen || chosen->empty()) return false;
    return saveStatement(desk, page, withStatementExtension(*chosen, page.csv));
}

bool checkStatementBatchForm(FrontEndPort& port, StatementBatchForm& form) {
    if (!checkCalendarDates(port, {{"起始日期", form.from}, {"结束日期", form.to}})) {
        form.refusedField = isCalendarDate(form.from) ? "to" : "from";
        return false;
    }
    if (form.to < form.from)
        return refuseField(port, form, "to",
                           {"起始时间不能晚于结束时间", "提示", MessageIcon::Information});
    if (form.folder.empty())
        return refuseField(port, form, "folder", {"请选择导出目录", "提示", MessageIcon::Warning});
    return true;
}

namespace {

// Creates every missing folder along `folder`; false with the reason when
// it cannot be.
bool makeFolder(const std::string& folder, std::string& reason) {
    if (folder.size() > MaxFolderLength) {
        reason = "路径太长 (最多 " + formatInt(static_cast<int>(MaxFolderLength)) + " 个字符)";
        return false;
    }
    std::error_code error;
    const std::filesystem::path path(folder);
    if (std::filesystem::is_directory(path, error)) return true;
    if (std::filesystem::exists(path, error)) {
        reason = "这是一个文件, 不是目录";
        return false;
    }
    std::filesystem::create_directories(path, error);
    if (!error && std::filesystem::is_directory(path, error)) return true;
    reason = fileErrorText(error ? error.value() : ENOTDIR);
    return false;
}

// Every (account, day) the server lists for the target and range.
bool listStatements(Desk& desk, const ReportTarget& target, const StatementBatchForm& form,
                    std::vector<StatementEntry>& entries) {
    PagedQuery paged;
    paged.command = cmd::StatementList;
    paged.recordSize = StatementEntrySize;
    paged.writeRequest = [&](int page, uint8_t* buffer, int capacity) {
        StatementListRequest r;
        r.start = form.from;
        r.end = form.to;
        r.targetId = target.id;
        r.targetText = target.text;
        r.page = page;
        return writeStatementListRequest(r, buffer, capacity);
    };
    paged.parsePage = [&entries](const uint8_t* packet, int length) {
        const ListPage page = parseListPage(packet, length, StatementEntrySize);
        appendStatementEntries(page.records, page.count, entries);
    };
    PagedQueryTexts texts;
    texts.buildFailed = BuildFailedText;
    texts.progress = "查询结算单列表";
    return runDeskPagedQuery(desk, std::move(paged), texts);
}

std::string batchSummary(const StatementBatchResult& r) {
    std::string text = r.stopped ? "批量导出已停止" : "批量导出完成";
    text += "\n写入 " + formatInt(r.written) + " 个文件";
    if (r.missing > 0) text += "，" + formatInt(r.missing) + " 个结算单不存在";
    if (r.unreadable > 0) text += "，" + formatInt(r.unreadable) + " 个结算单无法读取";
    if (r.notCreated > 0) text += "，" + formatInt(r.notCreated) + " 个文件无法创建";
    return text;
}

}  // namespace

StatementBatchResult exportStatements(Desk& desk, const ReportTarget& target,
                                      const StatementBatchForm& form) {
    FrontEndPort& port = desk.port();
    StatementBatchResult result;
    // A group the desk does not hold has no statements to export.
    if (target.id > 0 && !reportGroupNode(desk, target.id)) return result;
    if (!checkCalendarDates(port, {{"起始日期", form.from}, {"结束日期", form.to}})) return result;
    // The folder first, so that nothing is fetched for a folder that
    // cannot hold the files.
    std::string reason;
    if (!makeFolder(form.folder, reason)) {
        port.error(std::string(FolderText) + "：" + form.folder + "\n" + reason);
        return result;
    }
    std::vector<StatementEntry> entries;
    if (!listStatements(desk, target, form, entries)) return result;
    result.listed = true;
    result.entries = static_cast<int>(entries.size());

    const std::filesystem::path folder(form.folder);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const StatementEntry& entry = entries[i];
        const int done = static_cast<int>(i);
        if (!port.progressStep("批量导出日结单  第 " + formatInt(done + 1) + "/" +
                                   formatInt(result.entries) + " 个",
                               done, result.entries)) {
            result.stopped = true;
            break;
        }
        StatementRequest request;
        request.start = entry.day;
        request.targetText = formatInt(entry.account);
        request.targetId = -1;
        request.style = form.style;
        request.csv = form.csv;
        const StatementFetch fetch = fetchStatement(desk, request);
        if (fetch.outcome == StatementFetch::Outcome::Missing) {
            ++result.missing;
            continue;
        }
        if (fetch.outcome == StatementFetch::Outcome::Failed) {
            ++result.unreadable;
            continue;
        }
        const std::filesystem::path file =
            folder / batchStatementFileName(entry.account, entry.day, form.csv);
        if (writeWholeFile(file.string(), fetch.gbk))
            ++result.written;
        else
            ++result.notCreated;
    }
    port.hideProgress();
    port.info(batchSummary(result));
    return result;
}

bool batchExportStatements(Desk& desk, const StatementPage& page) {
    FrontEndPort& port = desk.port();
    if (page.target.id <= 0) {
        port.info(NoGroupText);
        return false;
    }
    StatementBatchForm form;
    form.from = page.period.first;
    form.to = page.period.first;
    form.style = page.style;
    form.csv = page.csv;
    form.account = page.account;
    if (!port.editForm(form,
                       [&port](StatementBatchForm& f) { return checkStatementBatchForm(port, f); }))
        return false;
    return exportStatements(desk, page.target, form).complete();
}

}  // namespace korvant
