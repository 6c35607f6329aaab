#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/DeskAnswers.h"
#include "cli/CliRun.h"
#include "protocol/CommandCode.h"
#include "support/FakeServer.h"

// Failures that the command line must report as failures: answers it
// cannot read, a saved login that was not saved, and its own refusals.
namespace korvant::cli {
namespace {

using test::Bytes;
using test::CliRun;
using test::FakeServer;

bool isAccountList(uint8_t command) {
    return command == cmd::AdministratorList || command == cmd::MainAccountList ||
           command == cmd::MainAccountLinks || command == cmd::SubAccountList;
}

// A server that logs in and answers the start-up queries, and answers every
// account list with a compressed body that is no zlib stream.
void answerListsUndecodably(FakeServer& server) {
    server.respondByDefault([](const Bytes& request) {
        if (isAccountList(request[3])) return Bytes{8, 0, 1, request[3], 1, 2, 3, 4};
        return test::startupAnswer(request);
    });
}

std::vector<std::string> loggedIn(const FakeServer& server, std::vector<std::string> command) {
    std::vector<std::string> args = {
        "--host", server.host(), "--port",     std::to_string(server.port()),
        "--user", "admin",       "--password", "admin"};
    args.insert(args.end(), command.begin(), command.end());
    return args;
}

TEST(CliUndecodableLists, PrintTheMessageAndNoListAndExitOne) {
    const std::vector<std::vector<std::string>> commands = {
        {"admin", "list", "--group", "1"},
        {"mainaccount", "list", "--group", "2"},
        {"mainaccount", "links", "--group", "5"},
        {"subaccount", "list", "--group", "5"},
        {"subaccount", "list", "--group", "-1", "--match-account", "1"},
    };
    for (const auto& command : commands) {
        FakeServer server;
        answerListsUndecodably(server);
        CliRun run = test::runCli(loggedIn(server, command));
        EXPECT_EQ(run.status, 1) << command[0] << ' ' << command[1] << '\n' << run.err;
        EXPECT_EQ(run.out, "") << command[0] << ' ' << command[1];
        EXPECT_TRUE(run.errHas("[提示]  解析数据包出错!\n")) << run.err;
        EXPECT_FALSE(run.errHas("当前第")) << run.err;
    }
}

TEST(CliSavedLogin, SaveFlagZeroGivesNoAccountEvenWhenTheFileHoldsOne) {
    test::ScratchDir dir;
    FakeServer server;
    server.respondByDefault([](const Bytes& request) { return test::startupAnswer(request); });
    dir.serverIni(server.host(), server.port());
    // Flag 0, but the text fields still hold "admin" and "admin".
    std::string bytes(44, '\0');
    bytes.replace(12, 5, "admin");
    bytes.replace(28, 5, "admin");
    dir.write("ServerInfo.Dat", bytes);

    CliRun run = test::runCli({"--dir", dir.path(), "login"});
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_EQ(run.err, "[错误] 请填写管理员账号。  \n");
    EXPECT_EQ(server.connections(), 0);

    // The same file with flag 1 logs in with the saved account and password.
    bytes[8] = 1;
    dir.write("ServerInfo.Dat", bytes);
    run = test::runCli({"--dir", dir.path(), "login"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.outLines().at(0), "account\tadmin");
}

}  // namespace
}  // namespace korvant::cli
