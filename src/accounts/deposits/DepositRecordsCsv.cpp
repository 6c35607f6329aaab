#include "accounts/deposits/DepositRecordsCsv.h"

#include <algorithm>
#include <charconv>

#include "local/CsvText.h"
#include "protocol/Gbk.h"

namespace korvant {

namespace {

void appendInt(std::string& out, int32_t value) {
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    (void)ec;  // 16 characters hold every int32
    out.append(digits, end);
}

void appendOrBlank(std::string& out, const std::string& text) {
    out += text.empty() ? " " : text;
}

// One record's line with its CR LF appended to `out` (UTF-8).
void appendDepositCsvLine(std::string& out, const DepositRecord& record, int32_t startDate,
                          int32_t endDate) {
    appendInt(out, record.customer);
    out += ',';
    appendInt(out, startDate);
    out += ',';
    appendInt(out, endDate);
    out += ',';
    appendInt(out, record.tradeDate);
    out += ',';
    appendInt(out, record.date);
    out += ',';
    appendCsvCell(out, record.time);
    out += ',';
    appendOrBlank(out, record.depositText());
    out += ',';
    appendOrBlank(out, record.withdrawalText());
    out += ',';
    appendCsvCell(out, record.operatorName);
    out += ',';
    appendInt(out, record.serial);
    out += ',';
    appendCsvCell(out, record.remark);
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
