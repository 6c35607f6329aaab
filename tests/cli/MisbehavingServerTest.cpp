#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/DeskAnswers.h"
#include "cli/CliRun.h"
#include "protocol/CommandCode.h"
#include "support/FakeServer.h"

// A server that stalls, answers out of turn or sends texts made to fool a
// terminal: the command line ends in bounded time with the right status and
// never prints what the server sent as raw control characters.
namespace korvant::cli {
namespace {

using test::Bytes;
using test::CliRun;
using test::FakeServer;
using test::runCli;

std::vector<std::string> at(const FakeServer& server, std::vector<std::string> command) {
    std::vector<std::string> args = {
        "--host", server.host(), "--port",     std::to_string(server.port()),
        "--user", "admin",       "--password", "admin"};
    args.insert(args.end(), command.begin(), command.end());
    return args;
}

TEST(MisbehavingServer, AStalledAnswerCountsAsALostConnectionAfterTheTimeout) {
    // The group list's header announces 60 bytes; 8 come, then nothing.
    Bytes partial = test::startupAnswer(FakeServer::packet(cmd::GroupList, Bytes(36, 0)));
    partial.resize(8);
    FakeServer server;
    server.script(0)
        .awaitRequest()
        .send(test::loginAnswer(1, "a", 0xFFFFF))
        .awaitRequest()
        .send(partial)
        .pause(4000);
    const auto start = std::chrono::steady_clock::now();
    CliRun run = runCli(at(server, {"--timeout", "1", "login"}));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "[提示]   与服务器断开了!\n");
    EXPECT_EQ(run.out, "");
    EXPECT_LT(elapsed, std::chrono::milliseconds(3000));
    EXPECT_GE(elapsed, std::chrono::milliseconds(900));

    EXPECT_EQ(runCli(at(server, {"--timeout", "0", "login"})).status, 2);
    EXPECT_EQ(runCli(at(server, {"--timeout", "x", "login"})).status, 2);
}

TEST(MisbehavingServer, TheLoginTakesOnlyItsOwnAnswer) {
    // Another command's answer before the login answer, a login answer of the
    // wrong length, an acceptance without the session's values.
    const std::vector<Bytes> answers = {
        test::emptyList(cmd::GroupList),
        test::loginAnswer(1, "a", 0xFFFFF, 48),
        FakeServer::resultPacket(0, ""),
    };
    for (const Bytes& first : answers) {
        FakeServer server;
        server.script(0)
            .awaitRequest()
            .send(first)
            .send(test::loginAnswer(1, "a", 0xFFFFF))
            .thenRespond([](const Bytes& r) { return test::startupAnswer(r); });
        CliRun run = runCli(at(server, {"login"}));
        EXPECT_EQ(run.status, 3) << run.out;
        EXPECT_EQ(run.err, "[提示]  解析数据包出错!\n");
        EXPECT_EQ(run.out, "");
    }
}

TEST(MisbehavingServer, ServerTextsReachTheTerminalEscaped) {
    FakeServer server;
    server.respondByDefault([](const Bytes& r) {
        if (r[3] == cmd::Login) return FakeServer::resultPacket(1, "拒绝\x1b[2J\nstatus\tforged");
        return test::startupAnswer(r);
    });
    CliRun refused = runCli(at(server, {"login"}));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "[提示] 拒绝\\x1B[2J\\nstatus\\x09forged\n");

    FakeServer named;
    named.respondByDefault([](const Bytes& r) {
        if (r[3] == cmd::Login) return test::loginAnswer(1, "evil\nforged\t1\x07", 0xFFFFF);
        return test::startupAnswer(r);
    });
    CliRun login = runCli(at(named, {"login"}));
    ASSERT_EQ(login.status, 0) << login.err;
    EXPECT_TRUE(login.outHas("adminName\tevil\\nforged\\x091\\x07\n")) << login.out;
}

}  // namespace
}  // namespace korvant::cli
