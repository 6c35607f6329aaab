#include <asio.hpp>

#include <chrono>

#include "Dispatcher.h"
#include "Random.h"
#include "SimTestClient.h"

namespace korvant::sim::test {
namespace {

using asio::ip::tcp;

// A bare socket that sends arbitrary bytes.
struct RawSocket {
    asio::io_context io;
    tcp::socket socket{io};
    explicit RawSocket(int port) {
        socket.connect({asio::ip::make_address("127.0.0.1"), static_cast<unsigned short>(port)});
    }
    // Sends what the server takes within a second; a server that stops
    // reading must not block the test.
    void send(const std::vector<uint8_t>& bytes) {
        socket.non_blocking(true);
        std::size_t sent = 0;
        auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (sent < bytes.size() && std::chrono::steady_clock::now() < end) {
            asio::error_code ec;
            sent += socket.write_some(asio::buffer(bytes.data() + sent, bytes.size() - sent), ec);
            if (ec == asio::error::would_block)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            else if (ec)
                return;
        }
    }
    // True when the server closes the connection within `ms`; answers are
    // read and dropped meanwhile.
    bool closedWithin(int ms) {
        socket.non_blocking(true);
        auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < end) {
            uint8_t chunk[4096];
            asio::error_code ec;
            socket.read_some(asio::buffer(chunk), ec);
            if (ec == asio::error::would_block) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                continue;
            }
            if (ec) return true;
        }
        return false;
    }
};

bool stillServes(int port) {
    SimClient client(port);
    return client.login("admin", "admin").size() == 44;
}

class Robustness : public ::testing::Test {
protected:
    std::unique_ptr<SimServerThread> server = startServer("demo", 300);
};

TEST_F(Robustness, RefusalsForUnknownCommandsWrongLengthsAndBadCompression) {
    SimClient client(server->port());
    Reply unknown = client.request(200, 8, [](PacketWriter&) {});
    EXPECT_TRUE(unknown.refused());
    EXPECT_EQ(unknown.resultText(), "不支持的命令");
    Reply wrongLength = client.request(cmd::GroupList, 41, [](PacketWriter&) {});
    EXPECT_TRUE(wrongLength.refused());
    EXPECT_EQ(wrongLength.resultText(), "请求长度错误");
    Reply shortLogin = client.request(cmd::Login, 55, [](PacketWriter&) {});
    EXPECT_TRUE(shortLogin.refused());
    // Only three requests may travel compressed.
    std::vector<uint8_t> compressedList = {6, 0, 1, cmd::GroupList, 0x78, 0x9c};
    EXPECT_TRUE(client.send(compressedList.data(), 6).refused());
    // The keep-alive gets no answer: the next request's answer comes first.
    uint8_t keepAlive[4];
    ASSERT_EQ(writeKeepAlive(keepAlive, 4), 4);
    ASSERT_EQ(client.connection().send(keepAlive, 4).length(), 4);
    EXPECT_EQ(client.login("admin", "admin").size(), 44);
}

TEST_F(Robustness, LengthBelowFourClosesOnlyThatConnection) {
    SimClient other(server->port());
    ASSERT_EQ(other.login("admin", "admin").size(), 44);
    RawSocket bad(server->port());
    bad.send({2, 0, 0, 94});
    EXPECT_TRUE(bad.closedWithin(2000));
    EXPECT_EQ(other.groups(0).command(), cmd::GroupList);
}

TEST_F(Robustness, StalledMidPacketIsClosedIdleIsNot) {
    RawSocket stalled(server->port());
    stalled.send({40, 0, 0});
    EXPECT_TRUE(stalled.closedWithin(3000));
    RawSocket idle(server->port());
    EXPECT_FALSE(idle.closedWithin(600));
}

// One byte now and then does not put the stall timeout off: the request
// must be whole within it, counted from its first byte.
TEST_F(Robustness, ATricklingRequestIsClosedWithinTheStallTimeout) {
    RawSocket slow(server->port());
    const auto start = std::chrono::steady_clock::now();
    bool closed = false;
    for (int i = 0; i < 30 && !closed; ++i) {
        slow.send({static_cast<uint8_t>(i == 0 ? 40 : 0)});
        closed = slow.closedWithin(100);
    }
    EXPECT_TRUE(closed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
}

TEST_F(Robustness, SurvivesRandomByteStreams) {
    Random random(42);
    for (int round = 0; round < 60; ++round) {
        RawSocket raw(server->port());
        std::vector<uint8_t> bytes(static_cast<std::size_t>(random.between(1, 3000)));
        for (auto& b : bytes) b = static_cast<uint8_t>(random.below(256));
        if (round % 3 == 0 && bytes.size() >= 4) {
            // A plausible header with a known command and a random body.
            static const uint8_t commands[] = {2, 4, 37, 40, 42, 64, 65, 90, 94, 95, 96, 97, 11};
            bytes[0] = static_cast<uint8_t>(bytes.size());
            bytes[1] = static_cast<uint8_t>(bytes.size() >> 8);
            bytes[2] = static_cast<uint8_t>(random.below(2));
            bytes[3] = commands[random.below(sizeof commands)];
        }
        raw.send(bytes);
    }
    EXPECT_TRUE(stillServes(server->port()));
}

// Every served command with bodies of its exact size but random content, as
// a logged-in administrator with every permission: each gets an answer.
TEST_F(Robustness, RandomBodiesOfEveryCommand) {
    Dispatcher dispatcher = makeDispatcher();
    SimClient client(server->port());
    ASSERT_EQ(client.login("admin", "admin").size(), 44);
    Random random(7);
    int served = 0;
    for (int command = 2; command < 256; ++command) {
        const Route* route = dispatcher.find(static_cast<uint8_t>(command));
        if (route == nullptr) continue;
        ++served;
        for (int round = 0; round < 40; ++round) {
            auto fill = [&](PacketWriter& w) {
                for (int offset = 4; offset < route->size; ++offset) {
                    // Mostly small values and text, sometimes anything.
                    int v = random.chance(30) ? random.below(256) : random.between('0', 'z');
                    if (random.chance(30)) v = 0;
                    w.u8(offset, static_cast<uint8_t>(v));
                }
            };
            Reply r = route->compressible && round % 2
                          ? client.compressed(route->command, route->size, fill)
                          : client.request(route->command, route->size, fill);
            ASSERT_GE(r.size(), 5) << "command " << command;
            if (route->command == cmd::Login) client.login("admin", "admin");
        }
    }
    EXPECT_GE(served, 25);
    EXPECT_TRUE(stillServes(server->port()));
}

TEST_F(Robustness, ClientThatNeverReadsItsAnswers) {
    {
        RawSocket flood(server->port());
        std::vector<uint8_t> requests;
        for (int i = 0; i < 3000; ++i) {
            std::vector<uint8_t> one(40, 0);
            one[0] = 40;
            one[3] = cmd::GroupList;
            requests.insert(requests.end(), one.begin(), one.end());
        }
        flood.send(requests);
    }
    EXPECT_TRUE(stillServes(server->port()));
}

TEST_F(Robustness, SeveralClientsAtOnce) {
    std::vector<std::unique_ptr<SimClient>> clients;
    for (int i = 0; i < 8; ++i) clients.push_back(std::make_unique<SimClient>(server->port()));
    for (auto& c : clients) ASSERT_EQ(c->login("admin", "admin").size(), 44);
    for (int round = 0; round < 5; ++round)
        for (auto& c : clients) EXPECT_EQ(c->subAccounts(-1, round % 2).totalPages(), 2);
}

}  // namespace
}  // namespace korvant::sim::test
