#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/pages/ReportPage.h"
#include "app/port/FrontEndPort.h"
#include "reports/statements/StatementNames.h"
#include "reports/statements/StatementRequests.h"

// The report tab " 结算单 ": the settlement statement of one account (or
// tree node) and period, fetched in chunks and held as the server sent it;
// saved to a file, printed by the front end, and the batch export of the
// daily statements of a group into a folder. The page lives in the core
// for the whole run; the desk's tab and the command line both drive it.
namespace korvant {

class Desk;

// How fetching one statement ended.
struct StatementFetch {
    enum class Outcome { Text, Missing, Failed };
    Outcome outcome = Outcome::Failed;
    std::string gbk;           // the text as received (Text)
    const char* failure = "";  // the reason (Failed)
};

// Fetches the chunks of one statement (`request.chunk` is ignored). A
// request that cannot be built (" 组包出错!!") and a lost connection
// ("  与服务器断开了!") end the program; nothing is shown otherwise.
StatementFetch fetchStatement(Desk& desk, StatementRequest request);

class StatementPage : public ReportPage {
public:
    // The report tab of the page.
    static constexpr int Tab = 0;

    std::string account;  // "客户号:" as typed
    StatementPeriod period;
    StatementStyle style = StatementStyle::MarkToMarket;
    bool csv = false;  // "CSV格式"

    // The text box: the statement as received (GBK) and as shown (UTF-8).
    std::string gbk;
    std::string text;

    // Asks the front end to select a node of the report tree by its text;
    // may be empty.
    std::function<void(const std::string&)> selectReportNode;

    // The request of the page's values (chunk 0).
    StatementRequest request() const;

    // Not a list: no columns, rows or pages.
    const std::vector<ReportColumn>& columns() const override;
    int rowCount() const override { return 0; }
    std::vector<std::string> cells(int) const override { return {}; }
    PageCursor cursor() const override { return {}; }
    std::string pageLabel() const override { return {}; }
    bool showPage(Desk& desk, int page) override;
    // The typed number is emptied; the shown page queries again.
    void targetChosen(Desk& desk, bool shown) override;
};

// The desk's statement page (one of its report pages).
StatementPage& statementPage(Desk& desk);

// The tab was selected (`shown`) or left for another tab.
void showStatementTab(Desk& desk, bool shown);

// "查询": a typed account number becomes the target (id -1) and is selected
// in the report tree; a range whose end is before its start shows
// "起始日期应小于等于结束日期。 " and sends nothing. The statement replaces
// the text box; a missing one puts "指定的结算单不存在" there; answers that
// do not make a statement empty it and show why. Returns whether a
// statement was received.
bool queryStatement(Desk& desk, StatementPage& page);

// The proposed file name of the page's text.
std::string proposedStatementName(const StatementPage& page);

// Writes the text box's bytes to `path` (completely or not at all); a
// statement in CSV style and a path ending in ".xlsx" make a workbook of
// its lines instead (writeCsvTextWorkbook). A failure is shown. Returns
// whether the file was written.
bool saveStatement(Desk& desk, const StatementPage& page, const std::string& path);

// "另存为": the save dialog with the proposed name and the filter of the
// format ("Excel 工作簿" beside the CSV one), the extension rule, then
// `saveStatement`. False when cancelled.
bool saveStatementAs(Desk& desk, const StatementPage& page);

// The dialog "批量导出日结单".
struct StatementBatchForm final : Form {
    static constexpr const char* Kind = "statementBatch";
    const char* kind() const override { return Kind; }

    int32_t from = 0;    // "日期范围:" "从"
    int32_t to = 0;      // "到"
    std::string folder;  // "导出到:"
    StatementStyle style = StatementStyle::MarkToMarket;
    bool csv = false;     // "CSV 格式"
    std::string account;  // the hidden "客户号:", carried, not used
};

// The check on "确定": two days of the calendar (checkCalendarDates),
// "起始时间不能晚于结束时间", and a folder to export to.
bool checkStatementBatchForm(FrontEndPort& port, StatementBatchForm& form);

// What a batch export did.
struct StatementBatchResult {
    int entries = 0;     // statements listed by the server
    int written = 0;     // files written
    int missing = 0;     // listed, but the server says the statement does not exist
    int unreadable = 0;  // answers that did not make a statement
    int notCreated = 0;  // files that could not be written
    bool stopped = false;
    bool listed = false;  // every page of the list was read, and the folder is there

    bool complete() const {
        return listed && !stopped && written == entries && missing == 0 && unreadable == 0 &&
               notCreated == 0;
    }
};

// Exports the daily statement of every (account, day) the server lists
// for the group `target` and the form's range into the form's folder
// (created level by level; "无法创建该目录：FOLDER\nREASON" when it cannot
// be), one file
// "ACCOUNT_DAY.ext" each, with progress and stop; ends with "批量导出完成"
// and the counts.
StatementBatchResult exportStatements(Desk& desk, const ReportTarget& target,
                                      const StatementBatchForm& form);

// "批量导出": without a group chosen "请先选择要导出的结算单所属的组"; else the
// dialog, then `exportStatements`. Returns whether everything was exported.
bool batchExportStatements(Desk& desk, const StatementPage& page);

}  // namespace korvant
