#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <unistd.h>

#include "app/desk/Desk.h"
#include "cli/CliApp.h"
#include "cli/CliContext.h"
#include "cli/CliPort.h"
#include "cli/CliRun.h"
#include "local/LastLogin.h"
#include "support/FakeServer.h"
#include "support/ScratchFolder.h"
#include "support/SimProcess.h"

namespace korvant::cli {
namespace {

using test::CliRun;
using test::runCli;

class Scratch {
public:
    std::string path() const { return folder_.path().string(); }
    std::string file(const std::string& name) const { return folder_.file(name); }
    void write(const std::string& name, const std::string& text) const {
        folder_.write(name, text);
    }

private:
    test::ScratchFolder folder_{"cli"};
};

class CliAgainstSim : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sim_ = new test::SimProcess("demo"); }
    static void TearDownTestSuite() {
        delete sim_;
        sim_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(sim_->ok()) << sim_->error(); }
    std::vector<std::string> server() const {
        return {"--host", sim_->host(), "--port", std::to_string(sim_->port())};
    }
    std::vector<std::string> admin(std::vector<std::string> command) const {
        std::vector<std::string> args = server();
        for (const char* a : {"--user", "admin", "--password", "admin"}) args.push_back(a);
        args.insert(args.end(), command.begin(), command.end());
        return args;
    }
    static test::SimProcess* sim_;
};
test::SimProcess* CliAgainstSim::sim_ = nullptr;

TEST_F(CliAgainstSim, LoginPrintsTheSessionAndTheCacheCounts) {
    CliRun run = runCli(admin({"login"}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    auto lines = run.outLines();
    ASSERT_EQ(lines.size(), 10u) << run.out;
    const char* keys[] = {"account",   "adminName",     "ownGroupId",      "permissionMask",
                          "firstView", "groups",        "marginTemplates", "feeTemplates",
                          "varieties", "riskStrategies"};
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].substr(0, lines[i].find('\t')), keys[i]);
    EXPECT_EQ(lines[0], "account\tadmin");
    EXPECT_EQ(lines[3], "permissionMask\t1048575");
    EXPECT_EQ(lines[4], "firstView\t2");
    EXPECT_NE(lines[5], "groups\t0");
}

TEST_F(CliAgainstSim, AWrongPasswordPrintsTheRefusalAndExitsOne) {
    auto args = server();
    for (const char* a : {"--user", "admin", "--password", "wrong", "login"}) args.push_back(a);
    CliRun run = runCli(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("[提示] ", 0), 0u) << run.err;
    EXPECT_GT(run.err.size(), std::string("[提示] \n").size());
}

// Only the named command's options are built for a run; a global option's
// value that reads like a command must not be taken for the command.
TEST_F(CliAgainstSim, GlobalOptionValuesThatReadLikeCommandsStayValues) {
    std::vector<std::string> args = {"--user", "deposits", "--password=login"};
    for (const std::string& a : server()) args.push_back(a);
    args.push_back("login");
    CliRun run = runCli(args);
    EXPECT_EQ(run.status, 1) << run.err;  // a refused login, not a usage error
    EXPECT_EQ(run.err.rfind("[提示] ", 0), 0u) << run.err;

    CliRun unknown = runCli(admin({"group", "list", "--bogus"}));
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("--bogus"), std::string::npos) << unknown.err;
}

TEST_F(CliAgainstSim, PasswordSources) {
    auto base = server();
    base.push_back("--user");
    base.push_back("admin");
    auto with = [&](std::vector<std::string> extra) {
        auto args = base;
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    };
    EXPECT_EQ(runCli(with({"--password-stdin", "login"}), "admin\n").status, 0);
    EXPECT_EQ(runCli(with({"login"}), "", {{"KORVANT_PASSWORD", "admin"}}).status, 0);
    // --password wins over the environment.
    EXPECT_EQ(
        runCli(with({"--password", "x", "login"}), "", {{"KORVANT_PASSWORD", "admin"}}).status, 1);

    // The saved account and password, when saved; the file is never written.
    Scratch dir;
    LastLogin saved;
    saved.saveFlag = 1;
    saved.account = "admin";
    saved.password = "admin";
    ASSERT_TRUE(saved.write(dir.file("ServerInfo.Dat")));
    auto before = std::filesystem::last_write_time(dir.file("ServerInfo.Dat"));
    auto args = server();
    args.insert(args.end(), {"--dir", dir.path(), "login"});
    CliRun run = runCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::filesystem::last_write_time(dir.file("ServerInfo.Dat")), before);
    // Not saved: an empty password (no terminal to prompt on).
    saved.saveFlag = 0;
    ASSERT_TRUE(saved.write(dir.file("ServerInfo.Dat")));
    args = server();
    args.insert(args.end(), {"--dir", dir.path(), "--user", "admin", "login"});
    EXPECT_EQ(runCli(args).status, 1);
}

// Once the login is over, the password given on the command line is no
// longer held by the command line's options.
TEST_F(CliAgainstSim, TheLoginPasswordIsClearedAfterUse) {
    std::ostringstream out, err;
    std::istringstream in;
    cli::CliContext context(out, err, in);
    EXPECT_EQ(cli::runCli(admin({"login"}), context), 0) << err.str();
    ASSERT_TRUE(context.options.password.has_value());
    EXPECT_EQ(*context.options.password, "");
}

TEST_F(CliAgainstSim, ServerListSelection) {
    Scratch dir;
    dir.write("Server.ini", "[Server]\nName1=模拟\nAddr1=" + sim_->host() +
                                "\nPort1=" + std::to_string(sim_->port()) + "\n");
    std::vector<std::string> common{"--dir", dir.path(), "--user", "admin", "--password", "admin"};
    auto with = [&](std::vector<std::string> extra) {
        auto args = common;
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    };
    EXPECT_EQ(runCli(with({"login"})).status, 0);
    EXPECT_EQ(runCli(with({"--server-index", "0", "login"})).status, 0);
    CliRun beyond = runCli(with({"--server-index", "1", "login"}));
    EXPECT_EQ(beyond.status, 1);
    EXPECT_EQ(beyond.err, "[错误] 请选择要登录的服务器。  \n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("ServerInfo.Dat")));

    // An entry without a port: the desk would end.
    dir.write("Server.ini", "[Server]\nName1=坏\nAddr1=127.0.0.1\n");
    CliRun bad = runCli(with({"login"}));
    EXPECT_EQ(bad.status, 3);
    EXPECT_EQ(bad.err, "[错误] 服务器地址不正确。  \n");
}

TEST_F(CliAgainstSim, TheLoginChecksRunBeforeAnyConnection) {
    auto args = server();
    args.insert(args.end(), {"--user", "abcdefghijklmnop", "--password", "x", "login"});
    CliRun run = runCli(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "[提示] “请填入不多于15个的字符。”\n");
    args = server();
    args.insert(args.end(), {"--password", "x", "login"});  // no account anywhere
    run = runCli(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "[错误] 请填写管理员账号。  \n");
}

TEST_F(CliAgainstSim, GroupListPrintsTheTreeDepthFirst) {
    CliRun run = runCli(admin({"group", "list"}));
    ASSERT_EQ(run.status, 0) << run.err;
    auto lines = run.outLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "id\tparentId\tcode\tname\tdepth");
    EXPECT_EQ(lines[1].substr(0, 2), "1\t");
    EXPECT_EQ(lines[1].substr(lines[1].rfind('\t')), "\t0");
    // Every line's depth is at most one more than the line before.
    int previous = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        int depth = std::stoi(lines[i].substr(lines[i].rfind('\t') + 1));
        EXPECT_LE(depth, previous + 1) << lines[i];
        previous = depth;
    }
}

TEST_F(CliAgainstSim, AccountListsPrintTheDeskColumnsAndThePageLabel) {
    CliRun subs = runCli(admin({"subaccount", "list", "--group", "-1", "--show-passwords"}));
    ASSERT_EQ(subs.status, 0) << subs.err;
    auto lines = subs.outLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 16), "子账号\t密码");
    EXPECT_EQ(subs.err.rfind("当前第1/", 0), 0u) << subs.err;

    // The second page, then a keyword that matches one account.
    CliRun second = runCli(admin({"subaccount", "list", "--group", "-1", "--page", "2"}));
    EXPECT_EQ(second.err.rfind("当前第2/", 0), 0u) << second.err;
    std::string first = lines[1].substr(0, lines[1].find('\t'));
    CliRun found = runCli(admin({"subaccount", "list", "--group", "-1", "--match-account", first}));
    ASSERT_EQ(found.status, 0);
    auto foundLines = found.outLines();
    ASSERT_GE(foundLines.size(), 2u);
    for (std::size_t i = 1; i < foundLines.size(); ++i)
        EXPECT_NE(foundLines[i].find(first), std::string::npos);

    // The list's own --password is the password keyword; the login's stands
    // before the command.
    std::string secondCell = lines[1].substr(lines[1].find('\t') + 1);
    std::string password = secondCell.substr(0, secondCell.find('\t'));
    CliRun byPassword = runCli(admin(
        {"subaccount", "list", "--group", "-1", "--match-password", password, "--show-passwords"}));
    ASSERT_EQ(byPassword.status, 0) << byPassword.err;
    ASSERT_GE(byPassword.outLines().size(), 2u);
    EXPECT_NE(byPassword.outLines()[1].find(password), std::string::npos);

    CliRun admins = runCli(admin({"admin", "list", "--group", "1"}));
    ASSERT_EQ(admins.status, 0) << admins.err;
    EXPECT_EQ(admins.outLines().at(0), "账号\t密码\t权限\t隶属\t名称\t监控范围\t监控范围");
    CliRun mains = runCli(admin({"mainaccount", "list", "--group", "2"}));
    ASSERT_EQ(mains.status, 0) << mains.err;
    EXPECT_EQ(mains.outLines().at(0).substr(0, 9), "主账号");
    CliRun links = runCli(admin({"mainaccount", "links", "--group", "5"}));
    ASSERT_EQ(links.status, 0) << links.err;
    EXPECT_EQ(links.outLines().at(0), "隶属主账号\t可分配资金");

    // The old spellings of the search fields are refused with the new name;
    // nothing is asked of the server.
    const std::pair<const char*, const char*> renamed[] = {{"--password", "--match-password"},
                                                           {"--account", "--match-account"},
                                                           {"--date", "--match-date"},
                                                           {"--remark", "--match-remark"}};
    for (const auto& [old, now] : renamed) {
        CliRun refused = runCli(admin({"subaccount", "list", "--group", "-1", old, "20240101"}));
        EXPECT_EQ(refused.status, 2) << old;
        EXPECT_TRUE(refused.errHas(now)) << refused.err;
        EXPECT_TRUE(refused.out.empty()) << old;
    }
    CliRun mainsOld = runCli(admin({"mainaccount", "list", "--group", "2", "--account", "8"}));
    EXPECT_EQ(mainsOld.status, 2);
    EXPECT_TRUE(mainsOld.errHas("--match-account")) << mainsOld.err;
}

TEST_F(CliAgainstSim, TheCommandLinesOwnRefusalsAreMessageBoxes) {
    struct Case {
        std::vector<std::string> command;
        std::string message;
    };
    const Case cases[] = {
        {{"admin", "list", "--group", "999"}, "[提示] 没有组 999\n"},
        {{"admin", "delete", "--group", "1", "--account", "nobody"},
         "[提示] 组 1 中没有管理员 nobody\n"},
        {{"subaccount", "modify", "--group", "5", "--account", "999999", "--name", "x"},
         "[提示] 组 5 中没有子账号 999999\n"},
        {{"mainaccount", "delete", "--group", "2", "--account", "123"},
         "[提示] 组 2 中没有主账号 123\n"},
        {{"deposit", "link", "--group", "6", "--account", "880102"},
         "[提示] 组 6 中没有关联主账号 880102\n"},
    };
    for (const Case& c : cases) {
        CliRun run = runCli(admin(c.command));
        EXPECT_EQ(run.status, 1) << c.message;
        EXPECT_EQ(run.err, c.message);
        EXPECT_EQ(run.out, "");
    }
}

TEST(Cli, UsageErrorsExitTwo) {
    EXPECT_EQ(runCli({}).status, 2);
    EXPECT_EQ(runCli({"frobnicate"}).status, 2);
    EXPECT_EQ(runCli({"--host", "127.0.0.1", "login"}).status, 2);  // --host needs --port
    EXPECT_EQ(runCli({"group"}).status, 2);
    EXPECT_EQ(runCli({"subaccount", "list"}).status, 2);  // --group is required
    EXPECT_EQ(runCli({"--password", "a", "--password-stdin", "login"}).status, 2);
    // Each says in Chinese which option takes which form.
    const struct {
        std::vector<std::string> args;
        const char* message;
    } told[] = {
        {{"statement", "--account", "1", "--day", "2026-12-01"},
         "选项 --day 的值“2026-12-01”无效：应为 YYYYMMDD 形式的日期，如 20261201"},
        {{"position", "modify", "--date", "20261201", "--account", "1", "--row", "0"},
         "选项 --row 的值“0”无效：应为从 1 起的整数"},
        {{"statement", "--style", "x"}, "选项 --style 的值“x”无效：应为以下之一：{盯市,逐笔,0,1}"},
        {{"subaccount", "list"}, "缺少选项 --group"},
    };
    for (const auto& c : told) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, std::string(c.message) + "\n用 --help 查看用法。\n");
    }
    CliRun help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("\n退出状态\n"), std::string::npos);
    EXPECT_NE(help.out.find("用法: korvant-cli [选项] 命令"), std::string::npos);
    EXPECT_NE(help.out.find("KORVANT_PASSWORD"), std::string::npos);
    EXPECT_NE(help.out.find("group list"), std::string::npos);
    // A command's own action is listed; the parser's internals are not.
    EXPECT_NE(help.out.find("  statement batch -"), std::string::npos);
    EXPECT_EQ(help.out.find("->"), std::string::npos);
}

// Every help a user reads is Chinese: no run of three plain lowercase words
// ("id of the group") outside option names, command words and placeholders.
TEST(Cli, HelpTextsHaveNoEnglishSentence) {
    auto englishRun = [](const std::string& text) {
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);
            int run = 0;
            for (std::string word; words >> word;) {
                const bool plain =
                    word.size() > 1 && std::all_of(word.begin(), word.end(),
                                                   [](char c) { return c >= 'a' && c <= 'z'; });
                run = plain ? run + 1 : 0;
                if (run == 3) return line;
            }
        }
        return std::string();
    };
    EXPECT_EQ(englishRun("  --group ID  the id of a group"), "  --group ID  the id of a group");
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--help"},
                                               {"admin", "add", "--help"},
                                               {"statement", "--help"},
                                               {"statement", "batch", "--help"},
                                               {"report", "trades", "--help"},
                                               {"risk", "--help"},
                                               {"subaccount", "modify", "--help"}}) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(englishRun(run.out), "") << args[0];
        EXPECT_EQ(run.out.find("Options"), std::string::npos) << args[0];
    }
}

TEST(Cli, AnUnreachableServerExitsThree) {
    int port;
    {
        test::FakeServer gone;
        port = gone.port();
    }
    CliRun run = runCli({"--host", "127.0.0.1", "--port", std::to_string(port), "--user", "admin",
                         "--password", "admin", "login"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "[提示] 无法连接服务器。  \n");
    EXPECT_EQ(run.out, "");
}

TEST(Cli, ALostConnectionAfterLoginExitsThree) {
    test::FakeServer server;
    server.script(0).awaitRequest().close();
    CliRun run = runCli({"--host", server.host(), "--port", std::to_string(server.port()), "--user",
                         "admin", "--password", "admin", "login"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "[提示]   与服务器断开了!\n");
}

TEST(Cli, MessageLinesKeepBlanksAndEscapeNewlinesExceptOnATerminal) {
    EXPECT_EQ(messageLine({"  组包出错!! ", "提示", MessageIcon::Error}), "[提示]   组包出错!! ");
    EXPECT_EQ(messageLine({"第一行\n\n第二行", "确认", MessageIcon::Question}),
              "[确认] 第一行\\n\\n第二行");
    // On a terminal the lines break; a carriage return is still escaped.
    EXPECT_EQ(messageLine({"第一行\n\n第二\r行\n", "确认", MessageIcon::Question}, true),
              "[确认] 第一行\n\n第二\\x0D行\n");
    std::ostringstream err;
    CliPort port(err);
    port.setAnswerYes(false);
    EXPECT_FALSE(port.askYesNo({"删除?", "确认", MessageIcon::Question}));
    port.setAnswerYes(true);
    EXPECT_TRUE(port.askYesNo({"删除?", "确认", MessageIcon::Question}));
    EXPECT_EQ(err.str(), "[确认] 删除?\n[确认] 删除?\n");
    // Progress stays off stderr unless it is a terminal.
    port.showProgress("查询组列表");
    port.hideProgress();
    EXPECT_EQ(err.str(), "[确认] 删除?\n[确认] 删除?\n");
    // The steps of a long read never stop it; on a terminal they rewrite
    // one line.
    EXPECT_TRUE(port.progressStep("查询报表树  第 1/9 组", 1, 9));
    EXPECT_EQ(err.str(), "[确认] 删除?\n[确认] 删除?\n");
    std::ostringstream terminal;
    port.setErr(terminal);
    port.setShowProgress(true);
    EXPECT_TRUE(port.progressStep("第 1/2 页", 1, 2));
    EXPECT_TRUE(port.progressStep("第 2/2 页", 2, 2));
    port.hideProgress();
    EXPECT_EQ(terminal.str(), "\r第 1/2 页\x1b[K\r第 2/2 页\x1b[K\r\x1b[K");
}

}  // namespace
}  // namespace korvant::cli

namespace korvant::cli {
namespace {

TEST(Cli, StatusRowsGoToStderrAsTabSeparatedLinesWithPasswordsMasked) {
    std::ostringstream out, err;
    std::istringstream in;
    CliContext context(out, err, in);
    context.desk().statusList().setClock([] {
        std::tm t{};
        t.tm_year = 2024 - 1900;
        t.tm_mon = 0;
        t.tm_mday = 2;
        t.tm_hour = 9;
        t.tm_min = 5;
        t.tm_sec = 7;
        return t;
    });
    context.desk().statusList().append("添加管理员", "账号:a1, 密码:p", true);
    context.desk().statusList().append("添加管理员", "添加 a1 成功", false);
    EXPECT_EQ(err.str(),
              "status\t2024-01-02 09:05:07\t添加管理员\t账号:a1, 密码:******\n"
              "status\t2024-01-02 09:05:07\t添加管理员\t添加 a1 成功\n");
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace korvant::cli
