#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "protocol/Gbk.h"
#include "support/ScratchFolder.h"
#include "support/SimProcess.h"

// The administrator, group and deposit commands end to end against the
// simulator: each change is visible in the next query.
namespace korvant::cli {
namespace {

using Outcome = test::CliRun;

class AdminCommands : public ::testing::Test {
protected:
    test::SimProcess sim{"demo"};
    std::string password = "admin";

    void SetUp() override { ASSERT_TRUE(sim.ok()) << sim.error(); }

    Outcome run(const std::vector<std::string>& command, bool yes = false) {
        return test::runAsAdmin(sim, password, command, yes);
    }

    // The line of `account` in the administrator list of a group.
    std::string adminLine(const std::string& group, const std::string& account) {
        Outcome listed = run(
            {"admin", "list", "--group", group, "--match-account", account, "--show-passwords"});
        std::istringstream lines(listed.out);
        std::string line;
        while (std::getline(lines, line))
            if (line.rfind(account + "\t", 0) == 0) return line;
        return {};
    }
};

// Demo data: root group 1 (the admin's own group), group 2 "华东投资部"
// (first level, code 01) with main accounts 880101 (limited) and 880102
// (unlimited); group 5 "上海一组" (0101) linked to both, with sub-account
// 100101 on 880101.

TEST_F(AdminCommands, AdministratorAddModifyDelete) {
    Outcome digits = run({"admin", "add", "--group", "5", "--account", "4711", "--password", "p"});
    EXPECT_EQ(digits.status, 1);
    EXPECT_TRUE(digits.errHas("[提示] 管理员账号不能为纯数字。")) << digits.err;

    Outcome add = run({"admin", "add", "--group", "5", "--account", "op77", "--password", "pw77",
                       "--name", "测试员", "--permissions", "0x41", "--ip", "10.0.0.1",
                       "--monitor-from", "-5", "--monitor-to", "10"});
    ASSERT_EQ(add.status, 0) << add.err;
    // The password stays out of the printed status rows.
    EXPECT_TRUE(add.errHas("添加管理员\t账号:op77, 密码:******, 权限:65, 名称:测试员, 组:上海一组"))
        << add.err;
    EXPECT_EQ(adminLine("5", "op77"), "op77\tpw77\t65\t上海一组\t测试员\t0\t10");

    Outcome again = run({"admin", "add", "--group", "5", "--account", "op77", "--password", "x"});
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(again.errHas("已存在")) << again.err;

    Outcome modify = run({"admin", "modify", "--group", "5", "--account", "op77", "--name", "改名",
                          "--permissions", "3"});
    ASSERT_EQ(modify.status, 0) << modify.err;
    // The start row shows the mask as listed before the change.
    EXPECT_TRUE(modify.errHas("修改管理员\t账号:op77, 密码:******, 权限:65, 名称:改名"))
        << modify.err;
    EXPECT_EQ(adminLine("5", "op77"), "op77\tpw77\t3\t上海一组\t改名\t0\t10");

    Outcome no = run({"admin", "delete", "--group", "5", "--account", "op77"});
    EXPECT_EQ(no.status, 1);
    EXPECT_TRUE(no.errHas("确认删除以下管理员吗？\\n\\n管理员: op77    隶属: 上海一组\\n"))
        << no.err;
    EXPECT_FALSE(adminLine("5", "op77").empty());
    Outcome yes = run({"admin", "delete", "--group", "5", "--account", "op77"}, true);
    ASSERT_EQ(yes.status, 0) << yes.err;
    EXPECT_TRUE(yes.errHas("删除 op77 成功"));
    EXPECT_TRUE(adminLine("5", "op77").empty());
}

TEST_F(AdminCommands, OwnPasswordChange) {
    Outcome differ = run({"password", "--current", "admin", "--new", "a1", "--confirm", "a2"});
    EXPECT_EQ(differ.status, 1);
    EXPECT_TRUE(differ.errHas("[提示] 两次新密码不一致!"));

    Outcome change = run({"password", "--current", "admin", "--new", "secret9"});
    ASSERT_EQ(change.status, 0) << change.err;
    EXPECT_TRUE(change.errHas("更改密码成功! 下次登陆请使用新密码!"));
    EXPECT_NE(run({"login"}).status, 0);
    password = "secret9";
    EXPECT_EQ(run({"login"}).status, 0);
}

TEST_F(AdminCommands, OperationPasswordsFromStandardInput) {
    const std::vector<std::string> login = {
        "--host", sim.host(), "--port", std::to_string(sim.port()), "--user", "admin"};
    auto with = [&login](std::vector<std::string> command) {
        std::vector<std::string> args = login;
        args.insert(args.end(), command.begin(), command.end());
        return args;
    };
    // The login password's line comes first, then the command's.
    Outcome add = test::runCli(with({"--password-stdin", "admin", "add", "--group", "5",
                                     "--account", "op88", "--password-stdin"}),
                               "admin\nhidden8\n");
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_EQ(add.err.find("hidden8"), std::string::npos) << add.err;
    EXPECT_EQ(adminLine("5", "op88").rfind("op88\thidden8\t", 0), 0u) << adminLine("5", "op88");

    Outcome modify = test::runCli(with({"--password", "admin", "admin", "modify", "--group", "5",
                                        "--account", "op88", "--password-stdin"}),
                                  "hidden9\r\n");
    ASSERT_EQ(modify.status, 0) << modify.err;
    EXPECT_EQ(adminLine("5", "op88").rfind("op88\thidden9\t", 0), 0u);

    // No line left: refused, nothing sent.
    Outcome empty = test::runCli(with({"--password", "admin", "admin", "add", "--group", "5",
                                       "--account", "op89", "--password-stdin"}));
    EXPECT_EQ(empty.status, 1);
    EXPECT_TRUE(empty.errHas("[提示] 标准输入上没有密码")) << empty.err;
    EXPECT_TRUE(adminLine("5", "op89").empty());

    EXPECT_EQ(run({"admin", "add", "--group", "5", "--account", "op90", "--password", "x",
                   "--password-stdin"})
                  .status,
              2);

    // The own password: current, new and confirmation lines.
    Outcome differ = test::runCli(with({"--password", "admin", "password", "--password-stdin"}),
                                  "admin\nn1\nn2\n");
    EXPECT_EQ(differ.status, 1);
    EXPECT_TRUE(differ.errHas("[提示] 两次新密码不一致!")) << differ.err;
    EXPECT_EQ(run({"password", "--current", "admin"}).status, 2);
    Outcome change = test::runCli(with({"--password-stdin", "password", "--password-stdin"}),
                                  "admin\nadmin\nnew5\n");
    ASSERT_EQ(change.status, 0) << change.err;
    password = "new5";
    EXPECT_EQ(run({"login"}).status, 0);
}

TEST_F(AdminCommands, GroupAddAndModify) {
    Outcome range = run({"group", "add", "--parent", "1", "--name", "一级X",
                         "--allowed-subaccounts", "5", "--range-from", "100", "--range-to", "50"});
    EXPECT_EQ(range.status, 1);
    EXPECT_TRUE(range.errHas("[提示] 起始账号不能小于终止账号")) << range.err;

    Outcome add = run({"group", "add", "--parent", "2", "--name", "新组A", "--remark", "r1"});
    ASSERT_EQ(add.status, 0) << add.err;
    EXPECT_TRUE(add.errHas("添加组\t添加组:新组A成功！")) << add.err;
    Outcome tree = run({"group", "list"});
    std::string id;
    {
        std::istringstream lines(tree.out);
        std::string line;
        while (std::getline(lines, line))
            if (line.find("\t新组A\t") != std::string::npos) id = line.substr(0, line.find('\t'));
    }
    ASSERT_FALSE(id.empty()) << tree.out;

    Outcome modify = run({"group", "modify", "--group", id, "--name", "新组B"});
    ASSERT_EQ(modify.status, 0) << modify.err;
    EXPECT_TRUE(run({"group", "list"}).outHas("\t新组B\t"));

    Outcome own = run({"group", "modify", "--group", "1", "--name", "x"});
    EXPECT_EQ(own.status, 1);
    EXPECT_TRUE(own.errHas("[提示]  没有权限修改自身组! ")) << own.err;
}

TEST_F(AdminCommands, DepositsOnAllThreeHoldersAndTheirRecords) {
    Outcome main = run({"deposit", "main", "--group", "2", "--account", "880101", "--available",
                        "1000", "--priority", "50"});
    ASSERT_EQ(main.status, 0) << main.err;
    EXPECT_TRUE(main.errHas("出入金\t出入金:880101成功！")) << main.err;

    Outcome unlimited =
        run({"deposit", "link", "--group", "5", "--account", "880102", "--available", "1"});
    EXPECT_EQ(unlimited.status, 1);
    EXPECT_TRUE(unlimited.errHas("主账号不限制资金，无需入金。")) << unlimited.err;
    Outcome link =
        run({"deposit", "link", "--group", "5", "--account", "880101", "--available", "500"});
    ASSERT_EQ(link.status, 0) << link.err;

    Outcome zero = run({"deposit", "sub", "--group", "5", "--account", "100101"});
    EXPECT_EQ(zero.status, 1);
    EXPECT_TRUE(zero.errHas("[提示] 请填写正确的金额")) << zero.err;
    Outcome sub = run({"deposit", "sub", "--group", "5", "--account", "100101", "--withdraw",
                       "--available", "12.5", "--remark", "客户提现"});
    ASSERT_EQ(sub.status, 0) << sub.err;
    Outcome tooMuch = run({"deposit", "sub", "--group", "5", "--account", "100101", "--withdraw",
                           "--available", "999999999"});
    EXPECT_EQ(tooMuch.status, 1);
    EXPECT_TRUE(tooMuch.errHas("出入金:100101失败！")) << tooMuch.err;

    Outcome records =
        run({"deposits", "--from", "20000101", "--to", "20991231", "--customer", "100101"});
    ASSERT_EQ(records.status, 0) << records.err;
    EXPECT_TRUE(records.outHas("客户号\t交易日期\t日期\t时间\t入金\t出金\t操作员\t流水号\t备注\n"));
    EXPECT_TRUE(records.outHas("\t\t12.50\tadmin\t")) << records.out;
    EXPECT_TRUE(records.outHas("\t客户提现\n")) << records.out;

    const test::ScratchFolder scratch("cli-deposits");
    const std::string path = scratch.file("deposits.csv");
    Outcome exported = run({"deposits", "--from", "20000101", "--to", "20991231", "--customer",
                            "100101", "--export", path});
    ASSERT_EQ(exported.status, 0) << exported.err;
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    std::string csv = fromGbk(bytes.str());
    EXPECT_EQ(
        csv.rfind("子账号,开始日期,结束日期,交易日期,日期,时间,入金,出金,管理员,流水号,备注\r\n",
                  0),
        0u);
    EXPECT_NE(csv.find("100101,20000101,20991231,"), std::string::npos) << csv;
    EXPECT_NE(csv.find(", ,12.50,admin,"), std::string::npos) << csv;

    Outcome badFile = run({"deposits", "--from", "20000101", "--to", "20991231", "--export",
                           "/nonexistent-korvant/x.csv"});
    EXPECT_EQ(badFile.status, 1);
    EXPECT_TRUE(badFile.errHas("/nonexistent-korvant/x.csv")) << badFile.err;
}

}  // namespace
}  // namespace korvant::cli
