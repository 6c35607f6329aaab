#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "protocol/CommandCode.h"
#include "protocol/FrameReader.h"
#include "protocol/Packet.h"
#include "protocol/ServerConnection.h"
#include "support/FakeServer.h"

namespace korvant {
namespace {

using test::Bytes;
using test::FakeServer;

Bytes request(uint8_t command, std::size_t bodySize = 8) {
    return FakeServer::packet(command, Bytes(bodySize, 0x5A));
}

Bytes body(std::size_t size) {
    Bytes b(size);
    for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<uint8_t>(i * 7 + 1);
    return b;
}

// Sends one request and receives its answer into `buffer`.
ExchangeResult exchange(ServerConnection& c, std::vector<uint8_t>& buffer,
                        uint8_t command = cmd::Login) {
    Bytes r = request(command);
    const ExchangeResult sent = c.send(r.data(), static_cast<int>(r.size()));
    if (!sent) return sent;
    EXPECT_EQ(sent.length(), static_cast<int>(r.size()));
    return c.receive(buffer);
}

constexpr ExchangeFailure NotConnected = ExchangeFailure::NotConnected;

TEST(ServerConnection, SendBeforeConnectSendsNothing) {
    ServerConnection c;
    uint8_t keepAlive[4];
    ASSERT_EQ(writeKeepAlive(keepAlive, 4), 4);
    EXPECT_EQ(c.send(keepAlive, 4).failure(), NotConnected);
    std::vector<uint8_t> buffer(16);
    EXPECT_EQ(c.receive(buffer).failure(), NotConnected);
    EXPECT_FALSE(c.connected());
}

TEST(ServerConnection, ConnectToClosedPortFails) {
    int port;
    {
        FakeServer server;
        port = server.port();
    }
    ServerConnection c;
    EXPECT_EQ(c.connect("127.0.0.1", port, 2000), 0);
    EXPECT_FALSE(c.connected());
    uint8_t keepAlive[4];
    writeKeepAlive(keepAlive, 4);
    EXPECT_EQ(c.send(keepAlive, 4).failure(), NotConnected);
}

TEST(ServerConnection, BadAddressOrPortFailsWithoutTrying) {
    ServerConnection c;
    EXPECT_EQ(c.connect("", 5000), 0);
    EXPECT_EQ(c.connect("127.0.0.1", 0), 0);
    EXPECT_EQ(c.connect("127.0.0.1", 70000), 0);
}

TEST(ServerConnection, HeaderOnlyAnswerIsCompleteAfterOneRead) {
    FakeServer server;
    server.script().awaitRequest().send(FakeServer::packet(cmd::Result));
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    std::vector<uint8_t> buffer(1024);
    EXPECT_EQ(exchange(c, buffer).length(), 4);
    EXPECT_EQ(buffer[0], 4);
    EXPECT_EQ(buffer[3], cmd::Result);
    ASSERT_TRUE(server.waitForRequests(1));
    EXPECT_EQ(server.requests()[0], request(cmd::Login));
    EXPECT_TRUE(server.problems().empty());
}

TEST(ServerConnection, AnswerInOneBytePiecesIsAssembled) {
    FakeServer server;
    Bytes answer = FakeServer::packet(cmd::LoginAnswer, body(60));
    server.script().awaitRequest().sendInPieces(answer, 1, 1);
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    std::vector<uint8_t> buffer(1024);
    ASSERT_EQ(exchange(c, buffer).length(), static_cast<int>(answer.size()));
    EXPECT_TRUE(std::equal(answer.begin(), answer.end(), buffer.begin()));
}

TEST(ServerConnection, AnswerLongerThanTheBufferGrowsIt) {
    FakeServer server;
    Bytes answer = FakeServer::packet(cmd::GroupList, body(3000));
    server.script().awaitRequest().sendInPieces(answer, 700, 1);
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    std::vector<uint8_t> buffer(260);
    ASSERT_EQ(exchange(c, buffer).length(), static_cast<int>(answer.size()));
    EXPECT_EQ(buffer.size(), answer.size() + 128);
    EXPECT_TRUE(std::equal(answer.begin(), answer.end(), buffer.begin()));
}

TEST(ServerConnection, ReceiveReturnsOnePacketNeverBytesOfTheNext) {
    FakeServer server;
    Bytes first = FakeServer::packet(cmd::LoginAnswer, body(10));
    Bytes second = FakeServer::resultPacket(1, "失败");
    Bytes both = first;
    both.insert(both.end(), second.begin(), second.end());
    server.script().awaitRequest().send(both);
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    std::vector<uint8_t> buffer(1024);
    ASSERT_EQ(exchange(c, buffer).length(), static_cast<int>(first.size()));
    EXPECT_TRUE(std::equal(first.begin(), first.end(), buffer.begin()));
    // The second packet is still there for a second receive.
    ASSERT_EQ(c.receive(buffer).length(), static_cast<int>(second.size()));
    EXPECT_TRUE(std::equal(second.begin(), second.end(), buffer.begin()));
}

TEST(ServerConnection, PeerClosingMidAnswerIsALostConnection) {
    FakeServer server;
    Bytes answer = FakeServer::packet(cmd::GroupList, body(100));
    answer.resize(50);
    server.script().awaitRequest().send(answer).pause(20).close();
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    std::vector<uint8_t> buffer(1024);
    EXPECT_EQ(exchange(c, buffer).failure(), ExchangeFailure::ConnectionLost);
    EXPECT_FALSE(c.connected());
    uint8_t keepAlive[4];
    writeKeepAlive(keepAlive, 4);
    EXPECT_EQ(c.send(keepAlive, 4).failure(), NotConnected);
}

TEST(ServerConnection, PeerClosingBeforeAnyByteIsALostConnection) {
    FakeServer server;
    server.script().awaitRequest().close();
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    std::vector<uint8_t> buffer(1024);
    EXPECT_EQ(exchange(c, buffer).failure(), ExchangeFailure::ConnectionLost);
}

TEST(ServerConnection, LengthFieldBelowTheHeaderIsALostConnection) {
    FakeServer server;
    server.script().awaitRequest().send(Bytes{2, 0, 0, 3, 1, 2, 3, 4});
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    std::vector<uint8_t> buffer(1024);
    EXPECT_EQ(exchange(c, buffer).failure(), ExchangeFailure::Malformed);
    EXPECT_FALSE(c.connected());
}

TEST(ServerConnection, StrayKeepAliveAnswerIsDroppedBeforeTheNextRequest) {
    FakeServer server;
    Bytes stray = FakeServer::packet(cmd::KeepAlive);
    Bytes answer = FakeServer::resultPacket(0, "成功");
    // The keep-alive gets an answer nobody waits for; the real request
    // then gets its own.
    server.script().awaitRequest().send(stray).awaitRequest().send(answer);
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    sendKeepAlive(c);
    ASSERT_TRUE(server.waitForRequests(1));
    // Give the stray answer time to arrive before the next request.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::vector<uint8_t> buffer(1024);
    ASSERT_EQ(exchange(c, buffer).length(), static_cast<int>(answer.size()));
    EXPECT_TRUE(std::equal(answer.begin(), answer.end(), buffer.begin()));
    auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0], (Bytes{4, 0, 0, 1}));
}

TEST(ServerConnection, AnAnswerLongerThanAnyAcceptedIsStillReceivedWhole) {
    // decodeAnswer refuses it later; the stream stays in step.
    FakeServer server;
    Bytes huge = FakeServer::packet(cmd::GroupList, body(AnyPacketLength - 4));
    Bytes next = FakeServer::resultPacket(0);
    server.script().awaitRequest().send(huge).awaitRequest().send(next);
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    std::vector<uint8_t> buffer(64);
    EXPECT_EQ(exchange(c, buffer).length(), AnyPacketLength);
    EXPECT_EQ(exchange(c, buffer).length(), static_cast<int>(next.size()));
}

TEST(ServerConnection, LateKeepAliveAnswersAreNeverTakenForTheAnswer) {
    FakeServer server;
    Bytes stray = FakeServer::packet(cmd::KeepAlive);
    Bytes answer = FakeServer::resultPacket(0, "成功");
    Bytes both = stray;
    both.insert(both.end(), stray.begin(), stray.end());
    both.insert(both.end(), answer.begin(), answer.end());
    // The keep-alive's answer arrives only after the next request was sent.
    server.script().awaitRequest().awaitRequest().send(both);
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    sendKeepAlive(c);
    std::vector<uint8_t> buffer(1024);
    ASSERT_EQ(exchange(c, buffer).length(), static_cast<int>(answer.size()));
    EXPECT_TRUE(std::equal(answer.begin(), answer.end(), buffer.begin()));
}

TEST(ServerConnection, EndlessKeepAliveAnswersAreAMalformedStream) {
    FakeServer server;
    Bytes flood;
    for (int i = 0; i < 100; ++i) flood.insert(flood.end(), {4, 0, 0, cmd::KeepAlive});
    server.script().awaitRequest().send(flood);
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    std::vector<uint8_t> buffer(64);
    EXPECT_EQ(exchange(c, buffer).failure(), ExchangeFailure::Malformed);
    EXPECT_FALSE(c.connected());
}

TEST(ServerConnection, SilentServerKeepsTheConnectionForTheNextExchange) {
    FakeServer server;
    // Nothing answers the keep-alive; the login gets its answer.
    server.script().awaitRequest().awaitRequest().send(FakeServer::resultPacket(0));
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    sendKeepAlive(c);
    std::vector<uint8_t> buffer(64);
    EXPECT_EQ(exchange(c, buffer).length(), 6);
    EXPECT_TRUE(c.connected());
}

TEST(ServerConnection, KeepAliveToAVanishedServerFailsSilently) {
    auto server = std::make_unique<FakeServer>();
    server->script().close();
    ServerConnection c;
    ASSERT_EQ(c.connect(server->host(), server->port()), 1);
    ASSERT_TRUE(server->waitForClosed(0));
    server.reset();
    // Writing to the closed peer must not raise SIGPIPE; sooner or later a
    // send fails, and the next receive reports the broken connection.
    for (int i = 0; i < 5; ++i) sendKeepAlive(c);
    std::vector<uint8_t> buffer(64);
    EXPECT_FALSE(exchange(c, buffer));
    EXPECT_FALSE(c.receive(buffer));
}

TEST(ServerConnection, CloseThenSendFails) {
    FakeServer server;
    ServerConnection c;
    ASSERT_EQ(c.connect(server.host(), server.port()), 1);
    c.close();
    EXPECT_FALSE(c.connected());
    uint8_t keepAlive[4];
    writeKeepAlive(keepAlive, 4);
    EXPECT_EQ(c.send(keepAlive, 4).failure(), NotConnected);
    EXPECT_TRUE(server.waitForClosed(0));
}

}  // namespace
}  // namespace korvant
