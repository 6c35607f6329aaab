// The simulator's slow links: --latency writes every answer late, in order;
// --stall-after answers so many requests of a connection and then none.
#include <chrono>

#include "SimTestClient.h"
#include "support/FakeServer.h"

namespace korvant::sim::test {
namespace {

using Clock = std::chrono::steady_clock;

TEST(SlowLinkOptions, LatencyDelaysEveryAnswerAndStallAfterStopsAnswering) {
    struct Case {
        int latencyMs;
        long stallAfter;
        int answered;  // of three requests
    };
    for (const Case& c : {Case{0, -1, 3}, Case{200, -1, 3}, Case{0, 1, 1}, Case{100, 2, 2}}) {
        SCOPED_TRACE(c.latencyMs);
        SCOPED_TRACE(c.stallAfter);
        SimOptions options;
        options.port = 0;
        options.data = "empty";
        options.latencyMs = c.latencyMs;
        options.stallAfter = c.stallAfter;
        SimServerThread server(options);
        ASSERT_TRUE(server.ok());
        ServerConnection connection;
        ASSERT_EQ(connection.connect("127.0.0.1", server.port()), 1);
        connection.setReceiveTimeout(c.latencyMs + 400);
        // Refused before the login ("请先登录"), answered all the same.
        const korvant::test::Bytes request =
            korvant::test::FakeServer::packet(cmd::GroupList, korvant::test::Bytes(8, 0));
        int answered = 0;
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(connection.send(request.data(), static_cast<int>(request.size())).length(),
                      static_cast<int>(request.size()));
            std::vector<uint8_t> answer;
            const auto start = Clock::now();
            if (!connection.receive(answer)) break;
            ++answered;
            EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(c.latencyMs));
            EXPECT_EQ(answer[3], cmd::Result);
        }
        EXPECT_EQ(answered, c.answered);
    }
}

}  // namespace
}  // namespace korvant::sim::test
