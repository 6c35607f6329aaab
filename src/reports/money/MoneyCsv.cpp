#include "reports/money/MoneyCsv.h"

#include "local/CsvLines.h"

namespace korvant {

namespace {

constexpr CellKind Txt = CellKind::Text;
constexpr CellKind Day = CellKind::Date;
constexpr CellKind Num = CellKind::Number;

}  // namespace

const TableLayout& fundsLayout() {
    static const TableLayout layout{"账户资金",
                                    {{"账号", Txt},
                                     {"开始日期", Day},
                                     {"结束日期", Day},
                                     {"期初权益", Num, 2},
                                     {"期末权益", Num, 2},
                                     {"可用资金", Num, 2},
                                     {"保证金", Num, 2},
                                     {"基础手续费", Num, 2},
                                     {"附加手续费", Num, 2},
                                     {"总手续费", Num, 2},
                                     {"持仓浮动盈亏", Num, 2},
                                     {"持仓盯市盈亏", Num, 2},
                                     {"平仓浮动盈亏", Num, 2},
                                     {"平仓盯市盈亏", Num, 2},
                                     {"入金", Num, 2},
                                     {"出金", Num, 2},
                                     {"风险度", Txt}}};
    return layout;
}

void writeFundsRow(TableSink& sink, const FundsRow& row, int32_t startDay, int32_t endDay) {
    sink.text(row.account);
    sink.integer(startDay);
    sink.integer(endDay);
    for (double value : {row.previousEquity, row.equity, row.available, row.margin, row.baseFees,
                         row.extraFees(), row.totalFees, row.openFloating, row.openMarked,
                         row.closedFloating, row.closedMarked, row.deposits, row.withdrawals})
        sink.number(value);
    sink.text(row.riskDegree);
    sink.endRow();
}

const TableLayout& netValueLayout() {
    static const TableLayout layout{"净值",
                                    {{"主账号", Txt},
                                     {"交易日", Day},
                                     {"账户权益", Num, 2},
                                     {"资产净值", Num, 2},
                                     {"份额净值", Num, 4},
                                     {"期初投入", Num, 2},
                                     {"管理费", Num, 2},
                                     {"托管费", Num, 2},
                                     {"应提费用", Num, 2}}};
    return layout;
}

void writeNetValueRow(TableSink& sink, const NetValueRow& row) {
    sink.text(row.mainAccount);
    sink.integer(row.tradingDay);
    for (double value : {row.equity, row.netAssetValue, row.shareValue(), row.initialInvestment,
                         row.managementFee, row.custodyFee, row.accruedFees()})
        sink.number(value);
    sink.endRow();
}

const char* fundsCsvHeader() {
    static const std::string header = csvHeaderLine(fundsLayout());
    return header.c_str();
}

void appendFundsCsvLine(std::string& out, const FundsRow& row, int32_t startDay, int32_t endDay) {
    CsvLines lines(out, fundsLayout());
    writeFundsRow(lines, row, startDay, endDay);
}

const char* netValueCsvHeader() {
    static const std::string header = csvHeaderLine(netValueLayout());
    return header.c_str();
}

void appendNetValueCsvLine(std::string& out, const NetValueRow& row) {
    CsvLines lines(out, netValueLayout());
    writeNetValueRow(lines, row);
}

}  // namespace korvant
