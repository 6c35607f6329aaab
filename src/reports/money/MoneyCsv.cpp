#include "reports/money/MoneyCsv.h"

#include <initializer_list>

#include "local/CsvText.h"
#include "text/NumberText.h"

namespace korvant {

namespace {

void appendNumbers(std::string& out, std::initializer_list<double> values, int decimals) {
    for (double value : values) {
        out += ',';
        out += formatFixed(value, decimals);
    }
}

}  // namespace

const char* fundsCsvHeader() {
    return "账号,开始日期,结束日期,期初权益,期末权益,可用资金,保证金,基础手续费,附加手续费,"
           "总手续费,"
           "持仓浮动盈亏,持仓盯市盈亏,平仓浮动盈亏,平仓盯市盈亏,入金,出金,风险度\r\n";
}

void appendFundsCsvLine(std::string& out, const FundsRow& row, int32_t startDay, int32_t endDay) {
    appendCsvCell(out, row.account);
    out += ',';
    out += formatInt(startDay);
    out += ',';
    out += formatInt(endDay);
    appendNumbers(out,
                  {row.previousEquity, row.equity, row.available, row.margin, row.baseFees,
                   row.extraFees(), row.totalFees, row.openFloating, row.openMarked,
                   row.closedFloating, row.closedMarked, row.deposits, row.withdrawals},
                  2);
    out += ',';
    appendCsvCell(out, row.riskDegree);
    out += "\r\n";
}

const char* netValueCsvHeader() {
    return "主账号,交易日,账户权益,资产净值,份额净值,期初投入,管理费,托管费,应提费用\r\n";
}

void appendNetValueCsvLine(std::string& out, const NetValueRow& row) {
    appendCsvCell(out, row.mainAccount);
    out += ',';
    out += formatInt(row.tradingDay);
    appendNumbers(out, {row.equity, row.netAssetValue}, 2);
    appendNumbers(out, {row.shareValue()}, 4);
    appendNumbers(out,
                  {row.initialInvestment, row.managementFee, row.custodyFee, row.accruedFees()}, 2);
    out += "\r\n";
}

}  // namespace korvant
