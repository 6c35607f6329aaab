#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "accounts/deposits/DepositRecord.h"
#include "accounts/deposits/DepositRequests.h"
#include "app/pages/ReportQueryPage.h"
#include "app/port/FrontEndPort.h"
#include "model/ListAnswer.h"
#include "model/RecordCache.h"

// The report tab " 出入金记录 ": the past movements of funds of one account or
// customer number in a date range, one page at a time, and their export to
// a CSV file. The page lives in the core for the whole run; the desk's tab
// and the command line both drive it.
namespace korvant {

class Desk;

// Column captions: "客户号", "交易日期", "日期", "时间", "入金", "出金", "操作员",
// "流水号", "备注".
const std::array<const char*, 9>& depositRecordCaptions();
// The cells of one row as listed.
std::vector<std::string> depositRecordCells(const DepositRecord& record);

// `account` is the "客户号:" field; `target` the account chosen in the report
// tree (action `ReportAccountChosen`), id -1 when the customer number was typed.
class DepositRecordsPage : public ReportQueryPage {
public:
    // The report tab of the page.
    static constexpr int Tab = 2;

    int32_t startDate = 0;  // "时间范围:" "从", yyyymmdd
    int32_t endDate = 0;    // "到"
    RecordCache<DepositRecord> records;

    const std::vector<ReportColumn>& columns() const override;
    int rowCount() const override { return records.count(); }
    std::vector<std::string> cells(int row) const override;
    // customer, tradeDate, date, time, amount (negative: a withdrawal),
    // operatorName, serial, remark.
    std::vector<std::string> fieldNames() const override;
    std::vector<RawValue> rawValues(int row) const override;
    PageCursor cursor() const override { return records.cursor; }
    // The query of `page`, without the typed-number step.
    bool showPage(Desk& desk, int page) override;

    // The request of `page` with the page's dates, customer number and
    // account id.
    DepositRecordsQuery requestOf(int32_t page) const;
};

// The desk's deposit-records page (one of its report pages).
DepositRecordsPage& depositRecordsPage(Desk& desk);

// Queries `pageIndex` with the page's dates, customer number and account id.
// A start date after the end date shows "起始时间不能晚于结束时间" and sends
// nothing. A request that cannot be built (" 组包出错!!") and a lost
// connection ("  与服务器断开了!") end the program; a refusal shows the
// server's text, any other answer "  错误的数据包, 无法解析 !  ". The records of
// the answer replace the page's records and the page label is updated;
// returns false when nothing was listed.
bool queryDepositRecords(Desk& desk, DepositRecordsPage& page, int pageIndex);

// The dialog "导出".
struct DepositExportForm final : Form {
    static constexpr const char* Kind = "depositExport";
    const char* kind() const override { return Kind; }

    int32_t startDate = 0;  // "日期范围:" "从"
    int32_t endDate = 0;    // "到"
    std::string path;       // "导出到:" ("浏览" chooses it)
};

// "导出": the dialog (an empty path is refused with "请先选择导出文件。"), then every page of its
// date range (with the page's customer number and account id) written as CSV, GBK, CR LF,
// completely or not at all. A read that does not bring every page writes nothing; a file that
// cannot be written is reported. Returns whether the file was written.
bool exportDepositRecords(Desk& desk, const DepositRecordsPage& page);
// The export with the dialog's values (checked by checkDepositExportForm).
bool exportDepositRecords(Desk& desk, const DepositRecordsPage& page,
                          const DepositExportForm& form);
bool checkDepositExportForm(FrontEndPort& port, const DepositExportForm& form);

// Reads every page of a date range, handing each page to `takePage` as it
// is parsed (while the server builds the next one); false (its message
// shown) when the reading stopped before the last page: an answer that is
// not a deposit-record list, pages that do not advance, or more than any
// real list holds.
bool readAllDepositRecords(Desk& desk, const DepositRecordsQuery& query,
                           const std::function<void(const ListPage& page)>& takePage);

}  // namespace korvant
