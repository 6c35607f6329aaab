#pragma once

#include <cstdint>
#include <string>

#include "accounts/deposits/DepositRecord.h"
#include "local/TableLayout.h"
#include "local/TableSink.h"

// The export of the deposit records: a CSV file (GBK text, CR LF line ends,
// a header line and one line per record with the export's date range) or a
// workbook of the same columns.
namespace korvant {

// "子账号,开始日期,结束日期,交易日期,日期,时间,入金,出金,管理员,流水号,备注", the
// sheet "出入金记录".
const TableLayout& depositLayout();
// One record's cells with the export's date range, then the row's end; the
// amount under "入金" or "出金", the other " " in a CSV file.
void writeDepositRow(TableSink& sink, const DepositRecord& record, int32_t startDate,
                     int32_t endDate);

// The header line with its CR LF (UTF-8).
std::string depositCsvHeader();
// One record's line with its CR LF (UTF-8). A field holding a comma, a
// quote or a line break is quoted so that it stays one field.
std::string depositCsvLine(const DepositRecord& record, int32_t startDate, int32_t endDate);
// The file's bytes (GBK), built record by record: the header line first.
class DepositCsvFile {
public:
    DepositCsvFile(int32_t startDate, int32_t endDate);
    // Room for `records` more lines (bounded).
    void reserve(std::size_t records);
    void append(const DepositRecord& record);
    const std::string& bytes() const { return bytes_; }

private:
    int32_t startDate_;
    int32_t endDate_;
    std::string bytes_;
    std::string line_;  // one line's UTF-8 text, reused
};

}  // namespace korvant
