#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "local/CsvTextWorkbook.h"
#include "local/TableFile.h"
#include "protocol/Gbk.h"
#include "support/ScratchFolder.h"
#include "support/SimProcess.h"
#include "support/TradingDays.h"

// Every table export written as a workbook and as a CSV file from the same
// simulator, the workbook read back by a real reader (openpyxl) and held
// against the CSV file cell by cell: sheet, captions, values, formats.
namespace korvant::cli {
namespace {

namespace chr = std::chrono;
using test::lastMonday;
using test::ymdText;

// What the reader printed and its exit status.
std::pair<int, std::string> compareWorkbook(const std::string& book, const std::string& csv,
                                            const std::string& sheet, const std::string& kinds) {
    const std::string command = std::string(KORVANT_PYTHON3) + " " + KORVANT_WORKBOOK_COMPARE +
                                " '" + book + "' '" + csv + "' '" + sheet + "' '" + kinds +
                                "' 2>&1";
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return {-1, "popen"};
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// What dump_workbook.py finds in `book`, one line each.
std::vector<std::string> dumpWorkbook(const std::string& book) {
    const std::string command =
        std::string(KORVANT_PYTHON3) + " " + KORVANT_WORKBOOK_DUMP + " '" + book + "' 2>&1";
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return {"popen"};
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    ::pclose(pipe);
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; at < out.size(); at = end + 1) {
        end = std::min(out.find('\n', at), out.size());
        lines.push_back(out.substr(at, end - at));
    }
    return lines;
}

TEST(WorkbookExports, AmountsOfACsvTextAreTheOnlyNumbers) {
    const std::vector<std::pair<const char*, int>> cells = {{"1234.50", 2},
                                                            {"-0.125", 3},
                                                            {"0.0", 1},
                                                            {"5", -1},
                                                            {"0012.5", -1},
                                                            {"00.5", -1},
                                                            {"+1.5", -1},
                                                            {"1,234.50", -1},
                                                            {"12.", -1},
                                                            {".5", -1},
                                                            {"11.11%", -1},
                                                            {" 1.5", -1},
                                                            {"-", -1},
                                                            {"-.5", -1},
                                                            {"1.2.3", -1},
                                                            {"123456789012.345", 3},
                                                            {"1234567890123.456", -1}};
    for (const auto& [cell, decimals] : cells) EXPECT_EQ(amountDecimals(cell), decimals) << cell;
}

// A statement in CSV style as a workbook: one row a line (the empty one
// kept), quoted cells whole, amounts as numbers with their decimals, codes
// and dates as the text they are, section captions bold.
TEST(WorkbookExports, CsvStatementTextReadsBackLineByLine) {
    const test::ScratchFolder scratch("csvtext");
    const std::string book = scratch.file("s.xlsx");
    const std::string text =
        "结算单(盯市)\r\n\r\n客户号: 0012,\"名称, \"\"甲\"\"\"\r\n"
        "上日结存:,1031300.50,手数,0012\r\n合约,-0.125,20261130,<b>\nrb2603,,1.5";
    std::string error;
    ASSERT_TRUE(writeCsvTextWorkbook(book, toGbk(text), "日结单", error)) << error;
    const std::vector<std::string> expected = {
        "sheets 日结单",
        "rows 6",
        "A1\tstr\t'结算单(盯市)'\tGeneral\tbold",
        "A3\tstr\t'客户号: 0012'\tGeneral\t-",
        "B3\tstr\t'名称, \"甲\"'\tGeneral\t-",
        "A4\tstr\t'上日结存:'\tGeneral\t-",
        "B4\tfloat\t1031300.5\t0.00\t-",
        "C4\tstr\t'手数'\tGeneral\t-",
        "D4\tstr\t'0012'\tGeneral\t-",
        "A5\tstr\t'合约'\tGeneral\t-",
        "B5\tfloat\t-0.125\t0.000\t-",
        "C5\tstr\t'20261130'\tGeneral\t-",
        "D5\tstr\t'<b>'\tGeneral\t-",
        "A6\tstr\t'rb2603'\tGeneral\t-",
        "C6\tfloat\t1.5\t0.0\t-",
    };
    EXPECT_EQ(dumpWorkbook(book), expected);

    // A file that cannot be made is reported, nothing left behind.
    EXPECT_FALSE(writeCsvTextWorkbook(scratch.file("none/s.xlsx"), "a", "x", error));
    EXPECT_FALSE(error.empty());
}

// The cells exports rarely hold, written both ways straight through the
// table files: markup and leading zeros in text, a formula-like text, a
// space kept at the start, empty cells before filled ones, the days of 1900
// around the leap day spreadsheets count, decimals, trimmed zeros.
void writeUnusualCells(const std::string& path) {
    const TableLayout layout{"测试表",
                             {{"文本", CellKind::Text},
                              {"账号", CellKind::Text},
                              {"数量", CellKind::Integer},
                              {"价格", CellKind::Number, 3},
                              {"费率", CellKind::Number, 2, true},
                              {"日期", CellKind::Date},
                              {"备注", CellKind::Text}}};
    struct Row {
        const char* text;
        int64_t account, volume;
        double price, rate;
        int64_t day;
        const char* remark;
    };
    const Row rows[] = {
        {"<&>\"007", 7, 12, 1.5, 0.001, 19000101, " 前有空格"},
        {"=1+1", 100102, -3, -2.125, 12.5, 19000228, ""},
        {"0012", 1, 0, 3.14159, 1234567.891, 19000301, "末行"},
        {"", 0, 1, 0, 0, 20261130, "a\tb"},
    };
    const auto file = openTableFile(path, layout);
    ASSERT_TRUE(file->ok()) << file->error();
    for (const Row& r : rows) {
        file->text(r.text);
        file->integer(r.account);
        file->integer(r.volume);
        file->number(r.price);
        file->number(r.rate);
        file->integer(r.day);
        file->text(r.remark);
        file->endRow();
    }
    ASSERT_EQ(file->endPage(1 << 20), PageWrite::Written);
    ASSERT_TRUE(file->commit(true)) << file->error();
}

TEST(WorkbookExports, UnusualCellsReadBackAsTheirCsvFile) {
    const test::ScratchFolder scratch("unusual");
    for (const char* name : {"t.csv", "t.xlsx"}) {
        writeUnusualCells(scratch.file(name));
        if (testing::Test::HasFatalFailure()) return;
    }
    const auto [status, said] =
        compareWorkbook(scratch.file("t.xlsx"), scratch.file("t.csv"), "测试表", "t t i n3 r2 d t");
    EXPECT_EQ(status, 0) << said;
    EXPECT_EQ(said, "ok 4\n");

    // A file that grows past its bound is no use: dropped, nothing is left.
    {
        const auto file = openTableFile(scratch.file("big.xlsx"), {"x", {{"x"}}});
        file->text("x");
        file->endRow();
        EXPECT_EQ(file->endPage(0), PageWrite::TooLarge);
    }
    EXPECT_FALSE(std::filesystem::exists(scratch.file("big.xlsx")));
}

// A spreadsheet application opens the workbook without asking anything:
// numbers come out as numbers (unquoted), days as days, text as quoted text
// with its leading zeros. Skipped where LibreOffice is not installed.
TEST(WorkbookExports, LibreOfficeReadsNumbersDaysAndText) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "soffice (LibreOffice) is not installed";
    const test::ScratchFolder scratch("office");
    writeUnusualCells(scratch.file("t.xlsx"));
    const std::string folder = scratch.path().string();
    const std::string command = "cd '" + folder + "' && HOME='" + folder +
                                "' timeout 120 soffice --headless -env:UserInstallation=file://" +
                                folder +
                                "/profile --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1'"
                                " --outdir out t.xlsx >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(scratch.file("out/t.csv"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    // (Days before March 1900 are left out: applications count them apart.)
    const std::vector<std::string> expected = {
        "\"文本\",\"账号\",\"数量\",\"价格\",\"费率\",\"日期\",\"备注\"",
        "\"0012\",\"1\",0,3.142,1234567.89,1900-03-01,\"末行\"",
        ",\"0\",1,0.000,,2026-11-30,\"a\tb\"",
    };
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], expected[0]);
    EXPECT_EQ(lines[1].substr(0, 18), "\"<&>\"\"007\",\"7\",12,");
    EXPECT_EQ(lines[3], expected[1]);
    EXPECT_EQ(lines[4], expected[2]);
}

TEST(WorkbookExports, EveryExportAsWorkbookMatchesItsCsvFile) {
    test::SimProcess sim;
    ASSERT_TRUE(sim.ok()) << sim.error();
    const auto run = [&sim](std::vector<std::string> command) {
        return test::runAsAdmin(sim, "admin", command);
    };
    // A deposit record with a remark for the deposit export.
    ASSERT_EQ(run({"deposit", "sub", "--group", "5", "--account", "100101", "--available", "12.5",
                   "--remark", "=1+1 备注"})
                  .status,
              0);
    const std::string day = ymdText(lastMonday());
    const std::string from = ymdText(lastMonday() - chr::days(7));
    const struct {
        const char* sheet;
        std::vector<std::string> command;  // without --export FILE
        const char* kinds;
    } cases[] = {
        {"成交记录",
         {"report", "trades", "--from", from, "--to", day, "--account", "100102"},
         "t d t t t t t t t t n3 i n2 d t t t n2 n2 n2 n2"},
        {"委托记录",
         {"report", "orders", "--from", from, "--to", day, "--account", "100102"},
         "t d t t t t t t t t n3 i i t d t t t t t t t"},
        {"账户资金",
         {"report", "funds", "--from", from, "--to", day, "--group", "1"},
         "t d d n2 n2 n2 n2 n2 n2 n2 n2 n2 n2 n2 n2 n2 t"},
        {"净值",
         {"report", "netvalue", "--from", from, "--to", day, "--group", "1"},
         "t d n2 n2 n4 n2 n2 n2 n2"},
        {"出入金记录",
         {"deposits", "--from", "20000101", "--to", "20991231", "--customer", "100101"},
         "t d d d d t n2 n2 t t t"},
        {"手续费模板", {"fee", "export", "--template", "2"}, "t t r4 r2 r4 r2 r4 r2 t t"},
        {"保证金模板",
         {"margin", "export", "--template", "1"},
         "t t r4 r4 r4 r4 r4 r4 r4 r4 r4 r4 r4 r4 t"},
    };
    const test::ScratchFolder scratch("workbooks");
    for (const auto& c : cases) {
        const std::string csv = scratch.file(std::string(c.sheet) + ".csv");
        const std::string book = scratch.file(std::string(c.sheet) + ".xlsx");
        std::vector<std::string> command = c.command;
        command.insert(command.end(), {command[1] == "export" ? "--file" : "--export", csv});
        const test::CliRun csvRun = run(command);
        ASSERT_EQ(csvRun.status, 0) << c.sheet << csvRun.err;
        command.back() = book;
        const test::CliRun bookRun = run(command);
        ASSERT_EQ(bookRun.status, 0) << c.sheet << bookRun.err;
        ASSERT_TRUE(std::filesystem::is_regular_file(book)) << c.sheet << bookRun.err;
        const auto [status, said] = compareWorkbook(book, csv, c.sheet, c.kinds);
        EXPECT_EQ(status, 0) << c.sheet << ": " << said;
        EXPECT_EQ(said.rfind("ok ", 0), 0u) << c.sheet << ": " << said;
        EXPECT_NE(said, "ok 0\n") << c.sheet << ": no rows to compare";
    }

    // --format xlsx: a name without extension becomes a workbook; it names
    // the file of an export only.
    const test::CliRun named =
        test::runAsAdmin(sim, "admin",
                         {"--format", "xlsx", "report", "trades", "--export", scratch.file("named"),
                          "--from", day, "--to", day, "--account", "100102"});
    EXPECT_EQ(named.status, 0) << named.err;
    EXPECT_TRUE(std::filesystem::is_regular_file(scratch.file("named.xlsx")));
    const std::vector<std::vector<std::string>> refused = {
        {"--format", "xlsx", "report", "trades", "--date", day, "--account", "100102"},
        {"--format", "xlsx", "group", "list"},
        {"--format", "xlsx", "report", "trades", "--export", scratch.file("x.csv"), "--from", day,
         "--to", day, "--account", "100102"},
    };
    for (const auto& command : refused) {
        const test::CliRun o = test::runAsAdmin(sim, "admin", command);
        EXPECT_NE(o.status, 0) << command[2] << " " << command[3];
        EXPECT_TRUE(o.errHas("--format xlsx")) << o.err;
    }
    EXPECT_FALSE(std::filesystem::exists(scratch.file("x.csv")));
}

}  // namespace
}  // namespace korvant::cli
