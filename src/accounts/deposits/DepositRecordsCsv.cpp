#include "accounts/deposits/DepositRecordsCsv.h"

#include "local/CsvText.h"
#include "protocol/Gbk.h"

namespace korvant {

namespace {

std::string orBlank(const std::string& text) {
    return text.empty() ? " " : text;
}

}  // namespace

std::string depositCsvHeader() {
    return "子账号,开始日期,结束日期,交易日期,日期,时间,入金,出金,管理员,流水号,备注\r\n";
}

std::string depositCsvLine(const DepositRecord& record, int32_t startDate, int32_t endDate) {
    std::string line;
    line += std::to_string(record.customer) + ",";
    line += std::to_string(startDate) + ",";
    line += std::to_string(endDate) + ",";
    line += std::to_string(record.tradeDate) + ",";
    line += std::to_string(record.date) + ",";
    line += csvQuotedText(record.time) + ",";
    line += orBlank(record.depositText()) + ",";
    line += orBlank(record.withdrawalText()) + ",";
    line += csvQuotedText(record.operatorName) + ",";
    line += std::to_string(record.serial) + ",";
    line += csvQuotedText(record.remark) + "\r\n";
    return line;
}

std::string depositCsvBytes(const std::vector<DepositRecord>& records, int32_t startDate,
                            int32_t endDate) {
    std::string text = depositCsvHeader();
    for (const DepositRecord& record : records) text += depositCsvLine(record, startDate, endDate);
    return toGbk(text);
}

}  // namespace korvant
