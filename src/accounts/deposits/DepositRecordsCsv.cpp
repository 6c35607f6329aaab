#include "accounts/deposits/DepositRecordsCsv.h"

#include <algorithm>
#include <iterator>

#include <cmath>

#include "local/CsvLines.h"
#include "protocol/Gbk.h"

namespace korvant {

namespace {

// One record's line with its CR LF appended to `out` (UTF-8).
void appendDepositCsvLine(std::string& out, const DepositRecord& record, int32_t startDate,
                          int32_t endDate) {
    CsvLines lines(out, depositLayout());
    writeDepositRow(lines, record, startDate, endDate);
}

}  // namespace

const TableLayout& depositLayout() {
    static const TableLayout layout{"出入金记录",
                                    {{"子账号", CellKind::Text},
                                     {"开始日期", CellKind::Date},
                                     {"结束日期", CellKind::Date},
                                     {"交易日期", CellKind::Date},
                                     {"日期", CellKind::Date},
                                     {"时间", CellKind::Text},
                                     {"入金", CellKind::Number, 2},
                                     {"出金", CellKind::Number, 2},
                                     {"管理员", CellKind::Text},
                                     {"流水号", CellKind::Text},
                                     {"备注", CellKind::Text}}};
    return layout;
}

void writeDepositRow(TableSink& sink, const DepositRecord& record, int32_t startDate,
                     int32_t endDate) {
    sink.integer(record.customer);
    sink.integer(startDate);
    sink.integer(endDate);
    sink.integer(record.tradeDate);
    sink.integer(record.date);
    sink.text(record.time);
    if (record.isDeposit()) {
        sink.number(record.amount);
        sink.none(" ");
    } else {
        sink.none(" ");
        sink.number(std::fabs(record.amount));
    }
    sink.text(record.operatorName);
    sink.integer(record.serial);
    sink.text(record.remark);
    sink.endRow();
}

std::string depositCsvHeader() {
    return csvHeaderLine(depositLayout());
}

std::string depositCsvLine(const DepositRecord& record, int32_t startDate, int32_t endDate) {
    std::string line;
    appendDepositCsvLine(line, record, startDate, endDate);
    return line;
}

DepositCsvFile::DepositCsvFile(int32_t startDate, int32_t endDate)
    : startDate_(startDate), endDate_(endDate), bytes_(toGbk(depositCsvHeader())) {}

void DepositCsvFile::reserve(std::size_t records) {
    // About a hundred bytes a line: one allocation for most files, never more
    // than 64 MiB ahead (the count may be the server's word).
    constexpr std::size_t LineBytes = 112;
    constexpr std::size_t MaxAhead = std::size_t{64} << 20;
    bytes_.reserve(bytes_.size() + std::min(records, MaxAhead / LineBytes) * LineBytes);
}

void DepositCsvFile::append(const DepositRecord& record) {
    // Line by line into the file's bytes: the whole text exists only once,
    // already in GBK.
    line_.clear();
    appendDepositCsvLine(line_, record, startDate_, endDate_);
    appendGbk(bytes_, line_);
}

}  // namespace korvant
