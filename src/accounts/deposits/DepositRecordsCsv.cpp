#include "accounts/deposits/DepositRecordsCsv.h"

#include <algorithm>
#include <iterator>

#include "local/CsvText.h"
#include "protocol/Gbk.h"
#include "text/NumberText.h"

namespace korvant {

namespace {

std::string orBlank(const std::string& text) {
    return text.empty() ? std::string(" ") : text;
}

// One record's line with its CR LF appended to `out` (UTF-8).
void appendDepositCsvLine(std::string& out, const DepositRecord& record, int32_t startDate,
                          int32_t endDate) {
    const std::string cells[] = {formatInt(record.customer),
                                 formatInt(startDate),
                                 formatInt(endDate),
                                 formatInt(record.tradeDate),
                                 formatInt(record.date),
                                 csvCell(record.time),
                                 orBlank(record.depositText()),
                                 orBlank(record.withdrawalText()),
                                 csvCell(record.operatorName),
                                 formatInt(record.serial),
                                 csvCell(record.remark)};
    for (std::size_t i = 0; i < std::size(cells); ++i) {
        if (i > 0) out += ',';
        out += cells[i];
    }
    out += "\r\n";
}

}  // namespace

std::string depositCsvHeader() {
    return "子账号,开始日期,结束日期,交易日期,日期,时间,入金,出金,管理员,流水号,备注\r\n";
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
