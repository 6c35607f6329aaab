#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "accounts/deposits/DepositRecord.h"
#include "accounts/deposits/DepositRequests.h"
#include "app/FrontEndPort.h"
#include "model/RecordCache.h"

// The report tab " 出入金记录 ": the past movements of funds of one account or
// customer number in a date range, one page at a time, and their export to
// a CSV file.
namespace korvant {

class Desk;

struct DepositRecordsPage {
    int32_t startDate = 0;  // "时间范围:" "从", yyyymmdd
    int32_t endDate = 0;    // "到"
    std::string customer;   // "客户号:" as typed
    // The account chosen in the report tree (action 122), or -1 when the
    // customer number was typed.
    int32_t accountId = -1;
    std::string accountText;
    RecordCache<DepositRecord> records;

    // Asks the front end to select a node of the report tree by its text
    // (the main window's code 37); may be empty.
    std::function<void(const std::string&)> selectReportNode;
};

// Column captions: "客户号", "交易日期", "日期", "时间", "入金", "出金", "操作员",
// "流水号", "备注".
const std::array<const char*, 9>& depositRecordCaptions();
// The cells of one row as listed.
std::vector<std::string> depositRecordCells(const DepositRecord& record);

// "查询" or a changed date: a typed customer number is selected in the
// report tree and replaces the account id (-1); then page 0 is queried.
bool searchDepositRecords(Desk& desk, DepositRecordsPage& page);

// Queries `pageIndex` with the page's dates, customer number and account id.
// A start date after the end date shows "起始时间不能晚于结束时间" and sends
// nothing. A request that cannot be built (" 组包出错!!") and a lost
// connection ("  与服务器断开了!") end the program. The records of the answer
// replace the page's records; returns false when nothing was listed.
bool queryDepositRecords(Desk& desk, DepositRecordsPage& page, int pageIndex);

// The dialog "导出".
struct DepositExportForm : Form {
    static constexpr const char* Kind = "depositExport";
    const char* kind() const override { return Kind; }

    int32_t startDate = 0;  // "日期范围:" "从"
    int32_t endDate = 0;    // "到"
    std::string path;       // "导出到:" ("浏览" chooses it)
};

// "导出": the dialog, then every page of its date range (with the page's
// customer number and account id) written as CSV, GBK, CR LF, completely or
// not at all. A file that cannot be written is reported. Returns whether
// the file was written.
bool exportDepositRecords(Desk& desk, const DepositRecordsPage& page);

// Loads every page of a date range; false when the loading stopped on an
// answer that is not a deposit-record list.
bool loadAllDepositRecords(Desk& desk, const DepositRecordsQuery& query,
                           std::vector<DepositRecord>& out);

}  // namespace korvant
