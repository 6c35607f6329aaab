#include "accounts/deposits/DepositRecordsCsv.h"

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
    appendCsvQuotedText(out, record.time);
    out += ',';
    appendOrBlank(out, record.depositText());
    out += ',';
    appendOrBlank(out, record.withdrawalText());
    out += ',';
    appendCsvQuotedText(out, record.operatorName);
    out += ',';
    appendInt(out, record.serial);
    out += ',';
    appendCsvQuotedText(out, record.remark);
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

std::string depositCsvBytes(const std::vector<DepositRecord>& records, int32_t startDate,
                            int32_t endDate) {
    // Line by line into the file's bytes: the whole text exists only once,
    // already in GBK.
    std::string bytes = toGbk(depositCsvHeader());
    // About a hundred bytes a line: one allocation for most files.
    bytes.reserve(bytes.size() + records.size() * 112);
    std::string line;
    for (const DepositRecord& record : records) {
        line.clear();
        appendDepositCsvLine(line, record, startDate, endDate);
        appendGbk(bytes, line);
    }
    return bytes;
}

}  // namespace korvant
