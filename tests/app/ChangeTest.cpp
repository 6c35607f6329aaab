#include <gtest/gtest.h>

#include <algorithm>

#include "app/desk/Desk.h"
#include "app/exchange/Change.h"
#include "protocol/Packet.h"
#include "support/FakeServer.h"
#include "support/ScriptedPort.h"

namespace korvant {
namespace {

using test::Bytes;
using test::FakeServer;
using test::ScriptedPort;

// An acknowledgement with status 0 whose body cannot be inflated.
Bytes undispatchableAck() {
    return FakeServer::packet(0, Bytes{0, 0xFF, 0xFF, 0xFF}, 1);
}

struct ChangeFixture : ::testing::Test {
    ScriptedPort port;
    FakeServer server;
    Desk desk{port};
    Bytes reply = FakeServer::resultPacket(0);
    int requeries = 0;

    ChangeFixture() {
        server.respondByDefault([this](const Bytes&) { return reply; });
        desk.connection().connect(server.host(), server.port());
    }

    ChangeSpec spec() {
        ChangeSpec s;
        s.title = "修改";
        s.startDetail = "开始";
        s.build = [](std::span<uint8_t> buffer) {
            PacketWriter writer(buffer.data(), static_cast<int>(buffer.size()), 8, 77);
            return writer.finish();
        };
        s.ack.title = "修改";
        s.ack.failureRow = "失败";
        s.requeryList = [this](Desk& d) {
            ++requeries;
            d.statusList().append("列表", "重查", false);
        };
        s.successRowAfterRequery = "成功";
        return s;
    }

    std::vector<std::string> rows() {
        std::vector<std::string> out;
        for (const StatusRow& row : desk.statusList().rows()) out.push_back(row.detail);
        return out;
    }
};

TEST_F(ChangeFixture, SuccessWritesStartRequeryThenSuccessRow) {
    desk.statusList().append("旧", "旧行", false);
    ChangeOutcome outcome = runChange(desk, spec());
    EXPECT_TRUE(outcome.built && outcome.answered && outcome.done);
    EXPECT_EQ(rows(), (std::vector<std::string>{"开始", "重查", "成功"}));
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0][3], 77);
}

TEST_F(ChangeFixture, BuildFailureRowsAndNothingSent) {
    for (BuildFailureRow kind :
         {BuildFailureRow::Failure, BuildFailureRow::ClearingFailure, BuildFailureRow::None}) {
        desk.statusList().clear();
        desk.statusList().append("旧", "旧行", false);
        port.clearRecords();
        ChangeSpec s = spec();
        s.build = [](std::span<uint8_t>) { return -1; };
        s.buildFailureRow = kind;
        ChangeOutcome outcome = runChange(desk, s);
        EXPECT_FALSE(outcome.built);
        const std::vector<std::string> expected =
            kind == BuildFailureRow::Failure ? std::vector<std::string>{"旧行", "失败"}
            : kind == BuildFailureRow::ClearingFailure ? std::vector<std::string>{"失败"}
                                                       : std::vector<std::string>{"旧行"};
        EXPECT_EQ(rows(), expected);
        ASSERT_EQ(port.messages.size(), 1u);
        EXPECT_EQ(port.messages[0].text, "组包失败!");
    }
    EXPECT_TRUE(server.requests().empty());
    EXPECT_EQ(requeries, 0);
}

TEST_F(ChangeFixture, RequeryPolicyByJudgement) {
    struct Case {
        Requery requery;
        Bytes answer;
        int requeries;
    };
    const Bytes refusal = FakeServer::resultPacket(1, "不行");
    const Bytes ok = FakeServer::resultPacket(0);
    const std::vector<Case> cases = {
        {Requery::OnSuccess, ok, 1},
        {Requery::OnSuccess, undispatchableAck(), 0},
        {Requery::AfterDispatchFailure, undispatchableAck(), 1},
        {Requery::AfterDispatchFailure, refusal, 0},
        {Requery::AfterAnswer, refusal, 1},
        {Requery::Never, ok, 0},
    };
    for (const Case& c : cases) {
        requeries = 0;
        desk.statusList().clear();
        reply = c.answer;
        ChangeSpec s = spec();
        s.requery = c.requery;
        ChangeOutcome outcome = runChange(desk, s);
        EXPECT_EQ(requeries, c.requeries) << static_cast<int>(c.requery);
        // The success row only follows an acknowledged change.
        EXPECT_EQ(rows().back() == "成功", outcome.done);
    }
}

TEST_F(ChangeFixture, RefusalTextsAndCustomJudgement) {
    reply = FakeServer::resultPacket(1, "已存在了");
    ChangeSpec s = spec();
    s.ack.refusalRow = "拒绝";
    s.ack.refusalMessage = "账号已存在";
    EXPECT_EQ(runChange(desk, s).result, AckResult::Refused);
    EXPECT_EQ(rows(), (std::vector<std::string>{"开始", "拒绝已存在了"}));
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, "账号已存在");

    // A custom judgement sees the answer as received.
    reply = FakeServer::packet(77, Bytes{1, 2, 3});
    s = spec();
    s.judgement = Judgement::Custom;
    std::size_t seen = 0;
    s.judge = [&seen](Desk&, std::span<const uint8_t> answer) {
        seen = answer.size();
        return AckResult::Success;
    };
    EXPECT_TRUE(runChange(desk, s).done);
    EXPECT_EQ(seen, 7u);

    // A compressed answer reaches the judge inflated and marked plain.
    Bytes plain = FakeServer::packet(77, Bytes(200, 0x42));
    reply.assign(PacketBufferSize, 0);
    const int size = writeCompressedRequest(plain.data(), static_cast<int>(plain.size()),
                                            reply.data(), static_cast<int>(reply.size()));
    ASSERT_GT(size, 0);
    reply.resize(static_cast<std::size_t>(size));
    ASSERT_EQ(reply[2], FlagCompressed);
    Bytes judged;
    s.judge = [&judged](Desk&, std::span<const uint8_t> answer) {
        judged.assign(answer.begin(), answer.end());
        return AckResult::Success;
    };
    EXPECT_TRUE(runChange(desk, s).done);
    ASSERT_EQ(judged.size(), plain.size());
    EXPECT_EQ(judged[2], FlagPlain);
    EXPECT_TRUE(std::equal(judged.begin() + 4, judged.end(), plain.begin() + 4));
}

}  // namespace
}  // namespace korvant
