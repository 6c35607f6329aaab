#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "support/SimProcess.h"

// Amount and rate options take what the desk's fields take: text that is no
// plain number of its field is refused with the field's message box before
// anything is sent.
namespace korvant::cli {
namespace {

using Outcome = test::CliRun;

class NumberOptions : public ::testing::Test {
protected:
    test::SimProcess sim{"demo"};

    void SetUp() override { ASSERT_TRUE(sim.ok()) << sim.error(); }

    Outcome run(const std::vector<std::string>& command) {
        return test::runAsAdmin(sim, "admin", command);
    }
};

TEST_F(NumberOptions, DepositAmountsThatAreNoPlainAmountAreRefused) {
    for (const char* amount : {"1,000", "一百万", "-5000", "1e60"}) {
        Outcome refused = run({"deposit", "sub", "--group", "5", "--account", "100101",
                               "--available", "10", "--priority", amount});
        EXPECT_EQ(refused.status, 1) << amount;
        EXPECT_TRUE(refused.errHas("[提示] 请填写正确的金额\n")) << refused.err;
        // Refused before the change: no status rows of a deposit.
        EXPECT_FALSE(refused.errHas("出入金:")) << refused.err;
    }
    Outcome records =
        run({"deposits", "--from", "20000101", "--to", "20991231", "--customer", "100101"});
    ASSERT_EQ(records.status, 0) << records.err;
    EXPECT_EQ(records.outLines().size(), 1u) << records.out;  // the header only
}

TEST_F(NumberOptions, MainAccountNumbersAreRefusedWithTheFieldsRule) {
    Outcome funds = run({"mainaccount", "add", "--group", "2", "--account", "880199",
                         "--initial-funds", "1e60"});
    EXPECT_EQ(funds.status, 1);
    EXPECT_TRUE(funds.errHas("[提示] 初始资金：请填写数字（最多 2 位小数）")) << funds.err;
    Outcome fee = run({"mainaccount", "modify", "--group", "2", "--account", "880101",
                       "--management-fee", "1,5"});
    EXPECT_EQ(fee.status, 1);
    EXPECT_TRUE(fee.errHas("[提示] 管理费率：请填写数字（最多 6 位小数）")) << fee.err;
    EXPECT_FALSE(run({"mainaccount", "list", "--group", "2"}).outHas("880199"));

    Outcome plain = run({"mainaccount", "add", "--group", "2", "--account", "880199",
                         "--initial-funds", "1000000.5", "--management-fee", "0.125"});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_TRUE(run({"mainaccount", "list", "--group", "2"}).outHas("880199\t*****\t1000000.50"));
}

}  // namespace
}  // namespace korvant::cli
