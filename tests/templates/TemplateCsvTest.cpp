#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocol/Gbk.h"
#include "templates/TemplateCsv.h"

namespace korvant {
namespace {

TEST(TemplateCsv, HeadersAndLinesAsWritten) {
    EXPECT_EQ(
        templateCsvHeader(feeKind()),
        "市场,合约,开仓手续费率(按金额/万分之),开仓手续费(按手数),平仓手续费率(按金额/万分之),"
        "平仓手续费(按手数),平今手续费率(按金额/万分之),平今手续费(按手数),平今优惠方式,"
        "收取方式\r\n");
    EXPECT_EQ(templateCsvHeader(marginKind())
                  .rfind("市场,合约,投机多头保证金率(按金额)%,投机多头保证金(按数量),", 0),
              0u);
    RateRow row;
    row.values = {0.5, 2.345, 0, 1.25, 0.00001, 10};
    row.discount = 1;
    row.mode = 1;
    ContractVariety c{"cu2601", "cu", "SHFE"};
    EXPECT_EQ(templateCsvLine(feeKind(), c, row), "SHFE,cu2601,0.5,2.35,,1.25,,10,不优惠,绝对\r\n");
    RateRow zero;
    EXPECT_EQ(templateCsvLine(feeKind(), c, zero), "SHFE,cu2601,,,,,,,,\r\n");
    zero.values[1] = 0.12345;
    EXPECT_EQ(templateCsvLine(marginKind(), c, zero), "SHFE,cu2601,,0.1235,,,,,,,,,,,\r\n");
}

// The lines of one export reuse a row's text only for a row equal to the one
// before; each line equals the line written on its own.
TEST(TemplateCsv, AnExportsLinesEqualTheLinesWrittenAlone) {
    RateRow a;
    a.values = {0.5, 1.2, 0, 0, 0, 0};
    RateRow discount = a;
    discount.discount = 1;
    RateRow mode = discount;
    mode.mode = 1;
    RateRow other = mode;
    other.values[5] = 3;
    const std::vector<RateRow> rows = {a, a, discount, discount, mode, other, other, a};
    TemplateCsvLines lines(feeKind());
    std::string written, alone;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ContractVariety c{"c" + std::to_string(i), "p", "EX"};
        lines.append(written, c, rows[i]);
        alone += templateCsvLine(feeKind(), c, rows[i]);
    }
    EXPECT_EQ(written, alone);
}

TEST(TemplateCsv, ContractTextsCannotBecomeSpreadsheetFormulas) {
    RateRow row;
    row.values = {-0.5, 0, 0, 0, 0, 0};
    ContractVariety c{"=cmd|' /C calc'!A0", "cu", "+SHFE"};
    EXPECT_EQ(templateCsvLine(feeKind(), c, row), "'+SHFE,'=cmd|' /C calc'!A0,-0.5,,,,,,,\r\n");
}

TEST(TemplateCsv, ALineWithoutRatesIsSkippedOnlyWithCarriageReturn) {
    const std::string exported = "SHFE,cu2601,,,,,,,,\r\n";
    EXPECT_TRUE(parseTemplateCsvLine(feeKind(), exported).withoutRates);
    CsvRateLine lf = parseTemplateCsvLine(feeKind(), "SHFE,cu2601,,,,,,,,\n");
    EXPECT_FALSE(lf.withoutRates);
    EXPECT_EQ(lf.contract, "cu2601");
    EXPECT_EQ(lf.row.values[0], 0.0);

    CsvRateLine absolute = parseTemplateCsvLine(feeKind(), toGbk("SHFE,cu2601,,,,,,,,绝对\r\n"));
    EXPECT_FALSE(absolute.withoutRates);
    EXPECT_EQ(absolute.row.mode, 1);
    EXPECT_EQ(absolute.row.values[5], 0.0);
}

TEST(TemplateCsv, FieldsAreSplitAtCommasAndBarsCutAndTrimmed) {
    CsvRateLine line = parseTemplateCsvLine(
        feeKind(), toGbk(" SHFE | cu2601,0.5,1234567890123456789,x,,,,不优惠啊,绝对\r\n"));
    EXPECT_EQ(line.exchange, "SHFE");
    EXPECT_EQ(line.contract, "cu2601");
    EXPECT_EQ(line.row.values[0], 0.5);
    EXPECT_EQ(line.row.values[1], 123456789012345.0);  // 15 bytes kept
    EXPECT_EQ(line.row.values[2], 0.0);
    EXPECT_EQ(line.row.discount, 1);
    EXPECT_EQ(line.row.mode, 1);
    // A field is cut at 15 bytes on a whole GBK character, never inside one.
    CsvRateLine cut = parseTemplateCsvLine(
        feeKind(), toGbk("上海期货交易所结算," + std::string(14, 'c') + "铜,1\r\n"));
    EXPECT_EQ(cut.exchange, "上海期货交易所");
    EXPECT_EQ(cut.contract, std::string(14, 'c'));
    // Missing fields are empty.
    CsvRateLine shortLine = parseTemplateCsvLine(marginKind(), "DCE,m2601,7");
    EXPECT_EQ(shortLine.row.values[0], 7.0);
    EXPECT_EQ(shortLine.row.mode, 0);
}

TEST(TemplateCsv, NamesFromFilesAndForFiles) {
    EXPECT_EQ(templateNameFromPath(feeKind(), "/tmp/rates.csv"), "rates");
    EXPECT_EQ(templateNameFromPath(feeKind(), "C:\\data\\手续费 A.csv"), "A");
    EXPECT_EQ(templateNameFromPath(marginKind(), "手续费 A.csv"), "手续费 A");
    EXPECT_EQ(templateNameFromPath(feeKind(), std::string(70, 'x') + ".csv"), std::string(63, 'x'));
    EXPECT_EQ(templateNameFromPath(feeKind(), std::string(62, 'x') + "铜.csv"),
              std::string(62, 'x'));
    EXPECT_EQ(templateExportName(feeKind(), "a/b\\..:c"), "手续费 a_b_.._c.csv");
    EXPECT_EQ(templateExportName(marginKind(), "m"), "保证金 m.csv");
    EXPECT_EQ(withCsvExtension("x.CSV"), "x.CSV");
    EXPECT_EQ(withCsvExtension("x.txt"), "x.txt.csv");
}

TEST(TemplateCsv, LinesKeepTheirEndsAndLongOnesAreNoticed) {
    auto lines = splitCsvLines("a\r\nb\nc");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].bytes, "a\r\n");
    EXPECT_EQ(lines[2].bytes, "c");
    EXPECT_EQ(lines[2].number, 3);
    EXPECT_FALSE(csvLineTooLong(std::string(511, 'x')));
    EXPECT_TRUE(csvLineTooLong(std::string(512, 'x')));
    EXPECT_TRUE(csvLineBlank(" \r\n"));
}

}  // namespace
}  // namespace korvant
