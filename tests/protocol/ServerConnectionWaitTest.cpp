// The wait for an answer is cut into slices with the front end's hook
// between them: the hook sees the wait grow and its end, an answer ends the
// wait at once, and a hook that gives up loses the connection for good.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "protocol/CommandCode.h"
#include "protocol/ServerConnection.h"
#include "support/FakeServer.h"

namespace korvant {
namespace {

using test::Bytes;
using test::FakeServer;

ExchangeResult sendRequest(ServerConnection& c) {
    Bytes r = FakeServer::packet(cmd::Login, Bytes(8, 0x5A));
    return c.send(r.data(), static_cast<int>(r.size()));
}

TEST(ServerConnectionWait, TheHookTurnsBetweenSlicesAndMayAbandonTheWait) {
    struct Case {
        const char* name;
        int answerAfterMs;
        int abandonAfterMs;  // -1: never
        bool answered;
    };
    for (const Case& c :
         {Case{"slow answer", 300, -1, true}, Case{"abandoned", 3000, 150, false}}) {
        SCOPED_TRACE(c.name);
        Bytes answer = FakeServer::packet(7, Bytes(40, 0x11));
        FakeServer server;
        server.script(0).awaitRequest().pause(c.answerAfterMs).send(answer).pause(2000);
        ServerConnection connection;
        std::vector<ServerWait> calls;
        connection.setWaitHook([&](const ServerWait& wait) {
            EXPECT_TRUE(connection.waiting());
            calls.push_back(wait);
            return c.abandonAfterMs < 0 || wait.elapsedMs < c.abandonAfterMs;
        });
        ASSERT_EQ(connection.connect(server.host(), server.port()), 1);
        calls.clear();
        ASSERT_TRUE(sendRequest(connection));
        std::vector<uint8_t> buffer;
        const auto start = std::chrono::steady_clock::now();
        const ExchangeResult received = connection.receive(buffer);
        const auto took = std::chrono::steady_clock::now() - start;

        EXPECT_EQ(received.ok(), c.answered);
        if (!c.answered) EXPECT_EQ(received.failure(), ExchangeFailure::WaitAbandoned);
        EXPECT_EQ(connection.abandoned(), !c.answered);
        EXPECT_EQ(connection.connected(), c.answered);
        EXPECT_FALSE(connection.waiting());
        // Turned every slice, the elapsed time growing, and told the end once.
        ASSERT_GE(calls.size(), 4u);
        for (std::size_t i = 1; i + 1 < calls.size(); ++i) {
            EXPECT_GE(calls[i].elapsedMs, calls[i - 1].elapsedMs);
            EXPECT_FALSE(calls[i].over);
            EXPECT_FALSE(calls[i].connecting);
        }
        EXPECT_TRUE(calls.back().over);
        const int slices = static_cast<int>(calls.size()) - 1;
        const int waitedMs = c.answered ? c.answerAfterMs : c.abandonAfterMs;
        EXPECT_GE(slices, waitedMs / ServerConnection::WaitSliceMs / 2);
        // Neither waited out the receive timeout (30 s); the margin is for a
        // busy machine, the times themselves are the benchmark's.
        if (c.answered) {
            EXPECT_LT(took, std::chrono::milliseconds(c.answerAfterMs + 2000));
        } else {
            EXPECT_LT(took, std::chrono::milliseconds(c.abandonAfterMs + 2000));
            // Nothing is sent over a connection whose answer is in flight.
            const int64_t sent = connection.packetsSent();
            EXPECT_EQ(sendRequest(connection).failure(), ExchangeFailure::NotConnected);
            EXPECT_EQ(connection.packetsSent(), sent);
        }
    }
}

TEST(ServerConnectionWait, AnAnswerAlreadyThereNeverCallsTheHook) {
    FakeServer server;
    server.script(0).awaitRequest().send(FakeServer::packet(7, Bytes(10, 1))).pause(500);
    ServerConnection connection;
    int calls = 0;
    ASSERT_EQ(connection.connect(server.host(), server.port()), 1);
    ASSERT_TRUE(sendRequest(connection));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    connection.setWaitHook([&](const ServerWait&) { return ++calls, true; });
    std::vector<uint8_t> buffer;
    EXPECT_TRUE(connection.receive(buffer));
    EXPECT_EQ(calls, 0);
}

// A name is looked up beside the wait (a slow name server must not hold up
// the window): a name connects as its address does, an unknown one fails.
TEST(ServerConnectionWait, NamesAreLookedUpWithoutBlockingTheWait) {
    FakeServer server;
    server.script(0).pause(1000);
    server.script(1).pause(1000);
    struct Case {
        const char* host;
        int connected;
    };
    for (const Case& c :
         {Case{"127.0.0.1", 1}, Case{"localhost", 1}, Case{"no-such-host.invalid", 0}}) {
        SCOPED_TRACE(c.host);
        ServerConnection connection;
        connection.setWaitHook([](const ServerWait&) { return true; });
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(connection.connect(c.host, server.port(), 5000), c.connected);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6));
        EXPECT_EQ(connection.lastError().empty(), c.connected == 1);
        EXPECT_FALSE(connection.abandoned());
    }
}

}  // namespace
}  // namespace korvant
