#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
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

// `report orders|trades|positions`, the order and trade exports and
// `position modify` end to end against the simulator.
namespace korvant::cli {
namespace {

using Outcome = test::CliRun;
namespace chr = std::chrono;
using test::lastMonday;
using test::ymdText;

std::vector<std::string> cellsOf(const std::string& line) {
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, '\t');) cells.push_back(cell);
    return cells;
}

class TradingReportCommands : public ::testing::Test {
protected:
    test::SimProcess sim{"demo"};
    std::string day = ymdText(lastMonday());

    void SetUp() override { ASSERT_TRUE(sim.ok()) << sim.error(); }
    Outcome run(const std::vector<std::string>& command) {
        return test::runAsAdmin(sim, "admin", command);
    }
    // Rows of every page of a report of one day.
    int rowsOfDay(const std::string& report, const std::string& date, const std::string& account) {
        int rows = 0;
        for (int page = 1; page <= 1000; ++page) {
            const Outcome o = run({"report", report, "--date", date, "--account", account, "--page",
                                   std::to_string(page)});
            EXPECT_EQ(o.status, 0) << o.err;
            if (o.status != 0) return -1;
            rows += static_cast<int>(o.outLines().size()) - 1;
            int shown = 0, total = 0;
            if (std::sscanf(o.err.c_str(), "当前第%d/%d页", &shown, &total) != 2 || shown >= total)
                break;
        }
        return rows;
    }
};

TEST_F(TradingReportCommands, OrdersOfAnAccount) {
    const Outcome o = run({"report", "orders", "--date", day, "--account", "100102"});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::vector<std::string> lines = o.outLines();
    ASSERT_GT(lines.size(), 1u) << o.out;
    EXPECT_EQ(cellsOf(lines[0]).size(), 22u);
    EXPECT_EQ(lines[0].rfind("子账号\t交易日\t委托号\t请求号\t", 0), 0u);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> cells = cellsOf(lines[i]);
        EXPECT_EQ(cells[0], "100102");
        EXPECT_EQ(cells[1], day);
    }
    EXPECT_TRUE(o.errHas("当前第1/")) << o.err;
}

TEST_F(TradingReportCommands, TradeExportHoldsEveryTradeOfTheRange) {
    const std::string from = ymdText(lastMonday() - chr::days(3));  // the Friday before
    int expected = 0;
    for (const std::string& date : {from, day}) expected += rowsOfDay("trades", date, "100102");
    ASSERT_GT(expected, 0);

    const test::ScratchFolder scratch("trades");
    const std::filesystem::path file = scratch.path() / "trades.csv";
    const Outcome o = run({"report", "trades", "--export", file.string(), "--from", from, "--to",
                           day, "--account", "100102"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(o.errHas("数据保存成功，保存文件为：" + file.string())) << o.err;
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string text = fromGbk(bytes.str());
    EXPECT_EQ(text.rfind("子账号,交易日,委托号,成交号,请求号,", 0), 0u);
    int lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines - 1, expected);
}

TEST_F(TradingReportCommands, PositionModifyShowsInTheNextQuery) {
    const Outcome before = run({"report", "positions", "--date", day, "--account", "100102"});
    ASSERT_EQ(before.status, 0) << before.err;
    ASSERT_GT(before.outLines().size(), 1u) << before.out;
    const std::vector<std::string> first = cellsOf(before.outLines()[1]);
    const std::string tradeNumber = first[12];
    const int volume = std::max(std::stoi(first[8]) - 1, 1);  // the server refuses more

    const Outcome none =
        run({"position", "modify", "--date", day, "--account", "100102", "--volume", "1"});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.errHas("请先选中要修改的持仓，按住 Ctrl 键可进行多选。")) << none.err;

    const Outcome changed =
        run({"position", "modify", "--date", day, "--account", "100102", "--row", "1", "--volume",
             std::to_string(volume), "--type", "保值"});
    ASSERT_EQ(changed.status, 0) << changed.err;
    const Outcome after = run({"report", "positions", "--date", day, "--account", "100102"});
    bool found = false;
    for (const std::string& line : after.outLines()) {
        const std::vector<std::string> cells = cellsOf(line);
        if (cells.size() < 13 || cells[12] != tradeNumber) continue;
        found = true;
        EXPECT_EQ(cells[8], std::to_string(volume));
        EXPECT_EQ(cells[5], "保值");
    }
    EXPECT_TRUE(found) << after.out;
}

}  // namespace
}  // namespace korvant::cli
