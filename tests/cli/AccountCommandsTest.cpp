#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "support/SimProcess.h"

// The sub-account and main-account commands end to end against the
// simulator: each change is visible in the next list query.
namespace korvant::cli {
namespace {

using Outcome = test::CliRun;

class AccountCommands : public ::testing::Test {
protected:
    test::SimProcess sim{"demo"};

    void SetUp() override { ASSERT_TRUE(sim.ok()) << sim.error(); }

    Outcome run(const std::vector<std::string>& command, bool yes = false) {
        return test::runAsAdmin(sim, "admin", command, yes);
    }
};

// Demo data: group 2 "华东投资部" (first level, code 01, account range
// 100001-199999) with main accounts 880101 and 880102; group 5 "上海一组"
// (0101) linked to 880101 and 880102, group 6 "杭州组" (0102) to 880101.

TEST_F(AccountCommands, SubAccountAddModifyAndDeleteSeveral) {
    Outcome add = run({"subaccount", "add", "--group", "5", "--account", "0199001", "--password",
                       "pw", "--name", "测试", "--main-account", "880102", "--mac", "0a-1b-zz;2c"});
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_TRUE(add.errHas("添加子账号\t添加 199001 成功")) << add.err;
    Outcome listed = run(
        {"subaccount", "list", "--group", "5", "--match-account", "199001", "--show-passwords"});
    EXPECT_TRUE(listed.outHas("199001\tpw\t上海一组\t")) << listed.out;
    EXPECT_TRUE(listed.outHas("\t880102\t")) << listed.out;
    EXPECT_TRUE(listed.outHas("\t0A1B;2C\t")) << listed.out;

    std::vector<std::string> modifyArgs = {
        "--host",          sim.host(), "--port",     std::to_string(sim.port()),
        "--user",          "admin",    "--password", "admin",
        "subaccount",      "modify",   "--group",    "5",
        "--account",       "199001",   "--remark",   "新备注",
        "--password-stdin"};
    Outcome modify = test::runCli(modifyArgs, "pw2\n");
    ASSERT_EQ(modify.status, 0) << modify.err;
    EXPECT_TRUE(modify.errHas("密码:******")) << modify.err;
    EXPECT_EQ(modify.err.find("pw2"), std::string::npos) << modify.err;
    listed = run(
        {"subaccount", "list", "--group", "5", "--match-account", "199001", "--show-passwords"});
    EXPECT_TRUE(listed.outHas("199001\tpw2\t")) << listed.out;
    EXPECT_TRUE(listed.outHas("\t新备注")) << listed.out;

    // Out of range: refused before anything is sent.
    Outcome zero = run({"subaccount", "add", "--group", "5", "--account", "0", "--password", "pw"});
    EXPECT_EQ(zero.status, 1);
    EXPECT_TRUE(zero.errHas("[提示] 子账号必须为正整数，取值范围 1 至 2147483647。  ")) << zero.err;

    ASSERT_EQ(
        run({"subaccount", "add", "--group", "5", "--account", "199002", "--password", "p"}).status,
        0);
    // Without --yes the question is answered No and nothing is deleted.
    Outcome no =
        run({"subaccount", "delete", "--group", "5", "--account", "199001", "--account", "199002"});
    EXPECT_EQ(no.status, 1);
    EXPECT_TRUE(no.errHas("确认删除以下子账号吗？")) << no.err;
    listed = run({"subaccount", "list", "--group", "5", "--match-account", "19900"});
    EXPECT_TRUE(listed.outHas("199001") && listed.outHas("199002")) << listed.out;

    Outcome yes =
        run({"subaccount", "delete", "--group", "5", "--account", "199001", "--account", "199002"},
            true);
    ASSERT_EQ(yes.status, 0) << yes.err;
    EXPECT_TRUE(yes.errHas("删除 199001 成功"));
    EXPECT_TRUE(yes.errHas("删除 199002 成功"));
    listed = run({"subaccount", "list", "--group", "5", "--match-account", "19900"});
    EXPECT_FALSE(listed.outHas("199001"));
    EXPECT_FALSE(listed.outHas("199002"));
}

TEST_F(AccountCommands, MainAccountCreateModifyAndDelete) {
    Outcome add = run({"mainaccount", "add", "--group", "2", "--account", "889900",
                       "--trading-password", "t1", "--start-investment", "123456"});
    ASSERT_EQ(add.status, 0) << add.err;
    Outcome listed = run({"mainaccount", "list", "--group", "2"});
    // Created without initial funds: not limited.
    EXPECT_TRUE(listed.outHas("889900\t*****\t不限\t不限\t0.00\t123456.00")) << listed.out;

    Outcome unchanged = run({"mainaccount", "modify", "--group", "2", "--account", "889900"});
    EXPECT_EQ(unchanged.status, 0);
    EXPECT_FALSE(unchanged.errHas("status\t")) << unchanged.err;

    Outcome modify = run({"mainaccount", "modify", "--group", "2", "--account", "889900",
                          "--management-fee", "0.5"});
    ASSERT_EQ(modify.status, 0) << modify.err;
    EXPECT_TRUE(modify.errHas("修改主账号:889900成功！")) << modify.err;

    Outcome del = run({"mainaccount", "delete", "--group", "2", "--account", "889900"}, true);
    ASSERT_EQ(del.status, 0) << del.err;
    EXPECT_TRUE(del.errHas("[提示] 删除主账号 889900 吗?"));
    EXPECT_FALSE(run({"mainaccount", "list", "--group", "2"}).outHas("889900"));
}

TEST_F(AccountCommands, MainAccountLinkUnlinkAndLinkedSubAccounts) {
    Outcome link = run({"mainaccount", "link", "--group", "6", "--account", "880102"});
    ASSERT_EQ(link.status, 0) << link.err;
    EXPECT_TRUE(run({"mainaccount", "links", "--group", "6"}).outHas("880102"));

    Outcome again = run({"mainaccount", "link", "--group", "6", "--account", "880102"});
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(again.errHas("[提示] 账号已存在")) << again.err;
    EXPECT_TRUE(again.errHas("添加主账号:880102失败！\n")) << again.err;

    Outcome unlink = run({"mainaccount", "unlink", "--group", "6", "--account", "880102"}, true);
    ASSERT_EQ(unlink.status, 0) << unlink.err;
    EXPECT_TRUE(unlink.errHas("[确认] 删除主账号 880102 ？"));
    EXPECT_FALSE(run({"mainaccount", "links", "--group", "6"}).outHas("880102"));

    Outcome linked = run({"mainaccount", "subaccounts", "--group", "2", "--account", "880101"});
    ASSERT_EQ(linked.status, 0) << linked.err;
    std::istringstream lines(linked.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "子账号\t密码\t隶属\t开户日期\t名称\t所属主账号");
    int rows = 0;
    while (std::getline(lines, line)) {
        ++rows;
        EXPECT_EQ(line.substr(line.rfind('\t') + 1), "880101") << line;
    }
    EXPECT_GT(rows, 0);
}

}  // namespace
}  // namespace korvant::cli
