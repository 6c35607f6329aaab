#include <gtest/gtest.h>

#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "protocol/Gbk.h"
#include "support/ScratchFolder.h"
#include "support/SimProcess.h"
#include "support/TradingDays.h"

// The statement commands end to end against the simulator.
namespace korvant::cli {
namespace {

using Outcome = test::CliRun;
namespace chr = std::chrono;
using test::lastMonday;
using test::ymdText;

// Whitespace runs become one blank; empty lines are dropped.
std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::string out;
        for (const char c : line) {
            const bool blank = c == ' ' || c == '\r' || c == '\t' || c == '\f';
            if (!blank)
                out += c;
            else if (!out.empty() && out.back() != ' ')
                out += ' ';
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        if (!out.empty()) lines.push_back(out);
    }
    return lines;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class StatementCommands : public ::testing::Test {
protected:
    test::SimProcess sim{"demo"};
    test::ScratchFolder scratch{"statements"};
    std::filesystem::path dir = scratch.path();
    std::string day = ymdText(lastMonday());

    void SetUp() override { ASSERT_TRUE(sim.ok()) << sim.error(); }

    Outcome run(const std::vector<std::string>& command) {
        return test::runAsAdmin(sim, "admin", command);
    }
};

TEST_F(StatementCommands, BothStylesPlainAndCsvAMonthInChunksAndAMissingDay) {
    struct Case {
        std::vector<std::string> options;
        std::string has;
    };
    const std::vector<Case> cases = {
        {{}, "结算单(盯市)"},
        {{"--style", "逐笔"}, "结算单(逐笔)"},
        {{"--csv"}, "成交日期,交易所,品种,合约"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> command = {"statement", "--account", "100102", "--day", day};
        command.insert(command.end(), c.options.begin(), c.options.end());
        const Outcome o = run(command);
        ASSERT_EQ(o.status, 0) << o.err;
        EXPECT_TRUE(o.outHas(c.has)) << o.out;
        EXPECT_TRUE(o.outHas("客户号: 100102")) << o.out;
    }
    const chr::year_month_day previous(lastMonday() - chr::days(31));
    const std::string month =
        std::to_string(static_cast<int>(previous.year()) * 100 +
                       static_cast<int>(static_cast<unsigned>(previous.month())));
    const Outcome busy = run({"statement", "--account", "100101", "--month", month});
    ASSERT_EQ(busy.status, 0) << busy.err;
    EXPECT_GT(toGbk(busy.out).size(), 3u * 10240);
    EXPECT_TRUE(busy.outHas("月结单(盯市)"));

    const std::string sunday = ymdText(lastMonday() - chr::days(1));
    const Outcome missing = run({"statement", "--account", "100102", "--day", sunday});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.errHas("[提示] 指定的结算单不存在")) << missing.err;
}

TEST_F(StatementCommands, SaveIntoAFolderAndAPdfWithTheSameLines) {
    const Outcome shown = run({"statement", "--account", "100102", "--day", day});
    ASSERT_EQ(shown.status, 0) << shown.err;
    const Outcome saved = run({"statement", "--account", "100102", "--day", day, "--save",
                               dir.string() + "/", "--pdf", (dir / "s.pdf").string()});
    ASSERT_EQ(saved.status, 0) << saved.err;
    // The file keeps the server's CR LF; stdout ends its lines with LF alone.
    std::string file = readFile(dir / ("100102_" + day + ".txt"));
    EXPECT_NE(file.find("\r\n"), std::string::npos);
    EXPECT_EQ(shown.out.find('\r'), std::string::npos);
    for (std::size_t at = 0; (at = file.find("\r\n", at)) != std::string::npos;) file.erase(at, 1);
    EXPECT_EQ(file, toGbk(shown.out));

    if (std::system("pdftotext -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "no pdftotext";
    const std::filesystem::path text = dir / "s.txt";
    const std::string command =
        "pdftotext -layout -enc UTF-8 " + (dir / "s.pdf").string() + " " + text.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(words(readFile(text)), words(shown.out));
}

// A workbook is made of a statement in CSV style only; a text statement
// asked as one is refused before anything is fetched or written.
TEST_F(StatementCommands, WorkbookOnlyOfTheCsvStyle) {
    const std::vector<std::string> statement = {"statement", "--account", "100102", "--day", day};
    auto with = [&](std::vector<std::string> before, std::vector<std::string> after) {
        before.insert(before.end(), statement.begin(), statement.end());
        before.insert(before.end(), after.begin(), after.end());
        return before;
    };
    const Outcome book = run(with({"--format", "xlsx"}, {"--csv", "--save", dir.string() + "/"}));
    ASSERT_EQ(book.status, 0) << book.err;
    EXPECT_EQ(readFile(dir / ("100102_" + day + ".xlsx")).substr(0, 2), "PK");

    const std::vector<std::vector<std::string>> refused = {
        with({}, {"--save", (dir / "t.xlsx").string()}),
        with({"--format", "xlsx"}, {"--save", (dir / "t").string()}),
        with({"--format", "xlsx"}, {"--csv"}),
    };
    for (const auto& command : refused) {
        const Outcome o = run(command);
        EXPECT_EQ(o.status, 2) << o.err;
        EXPECT_TRUE(o.errHas("工作簿") || o.errHas("--format xlsx")) << o.err;
    }
    EXPECT_TRUE(run(refused[0]).errHas("只有 CSV 格式 (--csv) 的结算单能写为 Excel 工作簿"));
    EXPECT_FALSE(std::filesystem::exists(dir / "t.xlsx"));
    EXPECT_FALSE(std::filesystem::exists(dir / "t"));
}

TEST_F(StatementCommands, BatchExportOfAGroupForThreeDays) {
    const std::string last = ymdText(lastMonday() + chr::days(2));
    const std::filesystem::path folder = dir / "x" / "y";
    const Outcome o = run({"statement", "batch", "--group", "5", "--from", day, "--to", last,
                           "--folder", folder.string(), "--csv"});
    ASSERT_EQ(o.status, 0) << o.err;
    // The 15 sub-accounts of group 5, three trading days each.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++files;
        EXPECT_EQ(entry.path().extension(), ".csv");
    }
    EXPECT_EQ(files, 45);
    EXPECT_TRUE(std::filesystem::exists(folder / ("100101_" + last + ".csv")));
    EXPECT_TRUE(o.errHas("[提示] 批量导出完成\\n写入 45 个文件")) << o.err;

    const Outcome none = run({"statement", "batch", "--group", "0", "--from", day, "--to", last,
                              "--folder", folder.string()});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.errHas("[提示] 请先选择要导出的结算单所属的组")) << none.err;
}

}  // namespace
}  // namespace korvant::cli
