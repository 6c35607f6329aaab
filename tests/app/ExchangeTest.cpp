#include <gtest/gtest.h>

#include "DeskAnswers.h"
#include "app/desk/Desk.h"
#include "app/exchange/Exchange.h"
#include "support/FakeServer.h"
#include "support/ScriptedPort.h"

namespace korvant {
namespace {

using test::Bytes;
using test::FakeServer;
using test::ScriptedPort;

AckTexts addAdminTexts() {
    AckTexts t;
    t.title = "添加管理员";
    t.failureRow = "添加 a1 失败！";
    t.successRow = "添加 a1 成功";
    return t;
}

struct AckFixture : ::testing::Test {
    ScriptedPort port;
    Desk desk{port};
    std::vector<std::string> details() const {
        std::vector<std::string> out;
        for (const StatusRow& row : const_cast<Desk&>(desk).statusList().rows())
            out.push_back(row.title + "|" + row.detail);
        return out;
    }
};

TEST_F(AckFixture, ARefusalRecordsAndShowsTheServerText) {
    Bytes answer = FakeServer::resultPacket(1, "已存在");
    EXPECT_EQ(acknowledge(desk, answer.data(), int(answer.size()), addAdminTexts()),
              AckResult::Refused);
    EXPECT_EQ(details(), std::vector<std::string>{"添加管理员|添加 a1 失败！已存在"});
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, "已存在");
    EXPECT_EQ(port.messages[0].icon, MessageIcon::Error);
}

TEST_F(AckFixture, StatusZeroIsSuccessEvenWithTextAndShowsNothing) {
    Bytes answer = FakeServer::resultPacket(0, "ok");
    EXPECT_EQ(acknowledge(desk, answer.data(), int(answer.size()), addAdminTexts()),
              AckResult::Success);
    EXPECT_EQ(details(), std::vector<std::string>{"添加管理员|添加 a1 成功"});
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(AckFixture, AnythingElseIsNoAcknowledgement) {
    for (Bytes answer : {FakeServer::packet(cmd::AdministratorList, Bytes(8, 0)),
                         FakeServer::packet(cmd::Result)}) {
        port.clearRecords();
        desk.statusList().clear();
        EXPECT_EQ(acknowledge(desk, answer.data(), int(answer.size()), addAdminTexts()),
                  AckResult::NotAcknowledged);
        EXPECT_EQ(details(), std::vector<std::string>{"添加管理员|添加 a1 失败！"});
        EXPECT_EQ(port.lastMessage().text, "服务器返回非确认包, 无法确定操作是否失败!");
    }
}

TEST_F(AckFixture, AnUndecodableSuccessIsAParseFailure) {
    // Status 0, but flagged compressed with a body that is no zlib stream.
    Bytes answer{8, 0, 1, 0, 0, 1, 2, 3};
    AckTexts texts = addAdminTexts();
    texts.parseFailed = " 解析数据包失败!";
    EXPECT_EQ(acknowledge(desk, answer.data(), int(answer.size()), texts), AckResult::ParseFailed);
    EXPECT_EQ(details(), std::vector<std::string>{"添加管理员|添加 a1 失败！"});
    EXPECT_EQ(port.lastMessage().text, " 解析数据包失败!");
}

TEST_F(AckFixture, BuildAndSendFailuresOfOperationsStopWithoutEndingTheProgram) {
    std::vector<uint8_t> answer;
    ExchangeTexts texts = ExchangeTexts::operation("组包失败!");
    EXPECT_EQ(exchange(desk, nullptr, -1, answer, texts).failure(), ExchangeFailure::BuildFailed);
    EXPECT_EQ(port.lastMessage().text, "组包失败!");
    // Not connected: the send fails.
    uint8_t request[4] = {4, 0, 0, 1};
    EXPECT_EQ(exchange(desk, request, 4, answer, texts).failure(), ExchangeFailure::NotConnected);
    EXPECT_EQ(port.lastMessage().text, "   发送数据出错! ");
    // Queries end the program on a build failure.
    EXPECT_THROW(exchange(desk, request, 0, answer), ProgramEnd);
    EXPECT_EQ(port.lastMessage().text, "  组包出错!! ");
}

TEST_F(AckFixture, ALostConnectionWritesTheFailureRowThenEnds) {
    FakeServer server;
    server.script(0).awaitRequest().close();
    ASSERT_EQ(desk.connection().connect(server.host(), server.port()), 1);
    std::vector<uint8_t> answer;
    ExchangeTexts texts = ExchangeTexts::operation("组包失败!");
    texts.failureRowTitle = "修改管理员";
    texts.failureRowDetail = "修改 a1 失败！";
    uint8_t request[20] = {20, 0, 0, 15};
    EXPECT_THROW(exchange(desk, request, 20, answer, texts), ProgramEnd);
    EXPECT_EQ(details(), std::vector<std::string>{"修改管理员|修改 a1 失败！"});
    EXPECT_EQ(port.lastMessage().text, "   接收数据出错, 与服务器的联接断开了! ");
}

TEST(Textf, FormatsUtf8Arguments) {
    EXPECT_EQ(textf("添加 %s 失败！%s", "张三", "已存在"), "添加 张三 失败！已存在");
    EXPECT_EQ(textf("%d/%d", 3, 7), "3/7");
}

}  // namespace
}  // namespace korvant
