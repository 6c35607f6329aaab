#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "support/SimProcess.h"

// The settlement, trading-parameter and log commands end to end against the
// simulator.
namespace korvant::cli {
namespace {

using Outcome = test::CliRun;

class SettlementCommands : public ::testing::Test {
protected:
    test::SimProcess sim{"demo"};

    void SetUp() override { ASSERT_TRUE(sim.ok()) << sim.error(); }

    Outcome run(const std::vector<std::string>& command, bool yes = false) {
        return test::runAsAdmin(sim, "admin", command, yes);
    }

    static std::string value(const Outcome& o, const std::string& key) {
        for (const std::string& line : o.outLines())
            if (line.rfind(key + "\t", 0) == 0) return line.substr(key.size() + 1);
        return {};
    }
};

TEST_F(SettlementCommands, StartWaitsForTheEndThenAPriceIsChangedAndReadBack) {
    Outcome start = run({"settle", "start", "--wait", "--interval", "10"});
    ASSERT_EQ(start.status, 0) << start.err;
    const std::vector<std::string> lines = start.outLines();
    ASSERT_GE(lines.size(), 4u) << start.out;
    EXPECT_EQ(lines[1], "text\t正在结算...");
    EXPECT_EQ(lines[2], "text\t正在结算!");
    EXPECT_EQ(lines.back(), "text\t结算完成!");
    const std::string date = value(start, "date");
    ASSERT_EQ(date.size(), 8u) << start.out;

    Outcome status = run({"settle", "status"});
    EXPECT_EQ(status.status, 0);
    EXPECT_EQ(value(status, "text"), "结算完成!");

    // The demo contract list: 109 contracts, pages of 100.
    Outcome prices = run({"settle", "prices", "--date", date, "--page", "2"});
    ASSERT_EQ(prices.status, 0) << prices.err;
    EXPECT_EQ(prices.outLines().front(), "日期\t市场\t合约\t结算价");
    EXPECT_EQ(prices.outLines().size(), 10u);
    EXPECT_TRUE(prices.errHas("第2/2页")) << prices.err;

    Outcome set = run({"settle", "price", "--date", date, "--exchange", "CFFEX", "--contract",
                       "IF2601", "--price", "3888.12345"});
    ASSERT_EQ(set.status, 0) << set.err;
    Outcome first = run({"settle", "prices", "--date", date});
    EXPECT_TRUE(first.outHas(date + "\tCFFEX\tIF2601\t3888.123\n") ||
                run({"settle", "prices", "--date", date, "--page", "2"})
                    .outHas(date + "\tCFFEX\tIF2601\t3888.123\n"))
        << first.out;

    Outcome unknown = run({"settle", "price", "--date", date, "--exchange", "CFFEX", "--contract",
                           "XX9999", "--price", "1"});
    EXPECT_EQ(unknown.status, 1);

    // Clearing asks first.
    EXPECT_EQ(run({"settle", "clear"}).status, 1);
    Outcome cleared = run({"settle", "clear"}, true);
    EXPECT_EQ(cleared.status, 0) << cleared.err;
    EXPECT_TRUE(cleared.errHas("[提示] 结算结果已清除。稍后请手动重新结算。  ")) << cleared.err;
}

TEST_F(SettlementCommands, ParametersAreSetAndShown) {
    Outcome shown = run({"params", "show"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(value(shown, "window"), "1516-2030");
    EXPECT_EQ(value(shown, "position-profit"), "0\t自动");

    Outcome set = run({"params", "set", "--half-fee", "IF,m", "--no-fee", "SR", "--position-profit",
                       "3", "--close-profit", "2", "--window", "1600-1900", "--auto-settle", "1630",
                       "--fund-rate", "8"});
    ASSERT_EQ(set.status, 0) << set.err;
    shown = run({"params", "show"});
    EXPECT_EQ(value(shown, "half-fee"), "m|IF|");
    EXPECT_EQ(value(shown, "no-fee"), "SR|");
    EXPECT_EQ(value(shown, "position-profit"), "3\t浮盈计，浮亏不计");
    EXPECT_EQ(value(shown, "close-profit"), "2\t不计");
    EXPECT_EQ(value(shown, "window"), "1600-1900");
    EXPECT_EQ(value(shown, "auto-settle"), "1630");
    EXPECT_EQ(value(shown, "fund-rate"), "8");
    EXPECT_EQ(value(shown, "over-trading"), "500");

    // The checks refuse with their messages and nothing changes.
    Outcome refused = run({"params", "set", "--window", "1515-1700"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.errHas("[提示] 可结算时段应在 15:16 至 20:30 之间。  ")) << refused.err;
    refused = run({"params", "set", "--auto-settle", "1530"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.errHas("自动结算时间应在 15:30 至 20:00 之间，且在可结算时段内。  "));
    EXPECT_EQ(value(run({"params", "show"}), "window"), "1600-1900");
    EXPECT_EQ(run({"params", "set", "--half-fee", "zz"}).status, 1);
}

TEST_F(SettlementCommands, TheLogShowsWhatThisDeskDid) {
    ASSERT_EQ(run({"subaccount", "add", "--group", "5", "--account", "199077", "--password", "pw"})
                  .status,
              0);
    const std::string from = "2000-01-01 00:00:00", to = "2099-12-31 23:59:59";
    Outcome all = run({"log", "--from", from, "--to", to});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.outLines().front(), "管理员\t操作\t备注\t日期\tIP\tMAC");
    EXPECT_TRUE(all.outHas("admin\t添加子账号\t账号:199077\t")) << all.out;
    EXPECT_TRUE(all.outHas("\t127.0.0.1\t")) << all.out;
    EXPECT_TRUE(all.errHas("当前第1/1页")) << all.err;
    // Date and time are cut to 19 characters.
    for (const std::string& line : all.outLines()) {
        if (line.find("199077") == std::string::npos) continue;
        const auto dateStart = line.find("\t", line.find("199077")) + 1;
        EXPECT_EQ(line.find('\t', dateStart) - dateStart, 19u) << line;
    }

    Outcome groups = run({"log", "--from", from, "--to", to, "--kinds", "组,管理员"});
    EXPECT_FALSE(groups.outHas("199077")) << groups.out;
    Outcome accounts =
        run({"log", "--from", from, "--to", to, "--kinds", "子账号", "--keyword", "199077"});
    EXPECT_TRUE(accounts.outHas("199077")) << accounts.out;
    Outcome past = run({"log", "--from", "2000-01-01 00:00:00", "--to", "2000-01-02 00:00:00"});
    EXPECT_EQ(past.outLines().size(), 1u);
    EXPECT_TRUE(past.errHas("没有记录")) << past.err;
    EXPECT_EQ(run({"log", "--from", "yesterday", "--to", to}).status, 2);
}

}  // namespace
}  // namespace korvant::cli
