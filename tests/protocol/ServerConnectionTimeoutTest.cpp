#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "protocol/CommandCode.h"
#include "protocol/Packet.h"
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

// A server that stops in the middle of an answer, or announces more than
// it sends, keeps its socket open: the receive gives up after its timeout
// and the connection counts as lost.
TEST(ServerConnectionTimeout, AStalledOrLyingAnswerEndsTheReceiveInBoundedTime) {
    Bytes whole = FakeServer::packet(7, Bytes(100, 0x11));
    Bytes half(whole.begin(), whole.begin() + 30);
    Bytes lying = FakeServer::packet(7, Bytes(10, 0x22));
    lying[0] = 0xFF;  // announces far more than follows
    lying[1] = 0x00;
    for (const Bytes& answer : {Bytes{}, half, lying}) {
        FakeServer server;
        server.script(0).awaitRequest().send(answer).pause(3000);
        ServerConnection c;
        ASSERT_EQ(c.connect(server.host(), server.port()), 1);
        c.setReceiveTimeout(300);
        ASSERT_TRUE(sendRequest(c));
        std::vector<uint8_t> buffer;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(c.receive(buffer).failure(), ExchangeFailure::TimedOut);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_GE(took, std::chrono::milliseconds(250));
        EXPECT_LT(took, std::chrono::milliseconds(2000));
        EXPECT_FALSE(c.connected());
        EXPECT_NE(c.lastError().find("no answer"), std::string::npos) << c.lastError();
    }
}

TEST(ServerConnectionTimeout, AnAnswerArrivingInPiecesWithinTheTimeoutIsWhole) {
    FakeServer server;
    Bytes answer = FakeServer::packet(7, Bytes(400, 0x33));
    server.script(0).awaitRequest().sendInPieces(answer, 50, 20);
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    c.setReceiveTimeout(300);
    ASSERT_TRUE(sendRequest(c));
    std::vector<uint8_t> buffer;
    EXPECT_EQ(c.receive(buffer).length(), static_cast<int>(answer.size()));
    EXPECT_TRUE(c.connected());
}

// Unasked bytes before a request are drained, but only up to a bound: a
// server that floods the connection breaks it instead of filling memory.
TEST(ServerConnectionTimeout, AFloodOfUnaskedAnswersBreaksTheConnection) {
    FakeServer server;
    Bytes stray = FakeServer::packet(cmd::KeepAlive, Bytes(20000, 0x44));
    auto& script = server.script(0);
    for (std::size_t sent = 0; sent <= ServerConnection::MaxUnaskedBytes + 40000;
         sent += stray.size())
        script.send(stray);
    script.pause(3000);
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ExchangeResult result(std::size_t{0});
    for (int i = 0; i < 20 && result; ++i) {
        result = sendRequest(c);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(result.failure(), ExchangeFailure::Malformed);
    EXPECT_FALSE(c.connected());
}

}  // namespace
}  // namespace korvant
