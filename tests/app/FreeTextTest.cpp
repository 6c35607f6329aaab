#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/desk/Desk.h"
#include "app/exchange/FreeText.h"
#include "protocol/Gbk.h"
#include "support/FakeServer.h"
#include "support/ScriptedPort.h"

namespace korvant {
namespace {

using test::Bytes;
using test::FakeServer;
using test::ScriptedPort;

TEST(FreeTextWriter, LaysOutTheTextAndCutsLongTextsOnWholeCharacters) {
    uint8_t packet[FreeTextSize + 8];
    ASSERT_EQ(writeFreeText("重启 settle", packet, sizeof packet), FreeTextSize);
    EXPECT_EQ(packet[0] | (packet[1] << 8), FreeTextSize);
    EXPECT_EQ(packet[3], 106);
    EXPECT_EQ(fromGbk(reinterpret_cast<const char*>(packet + 4)), "重启 settle");

    // 'a' then 130 double-byte characters: 261 GBK bytes. The cut keeps 'a'
    // and 129 whole characters (259 bytes) and ends with the NUL.
    std::string text = "a";
    for (int i = 0; i < 130; ++i) text += "汉";
    ASSERT_EQ(writeFreeText(text, packet, sizeof packet), FreeTextSize);
    std::size_t carried = strnlen(reinterpret_cast<const char*>(packet + 4), 260);
    EXPECT_EQ(carried, 259u);
    EXPECT_EQ(fromGbk(reinterpret_cast<const char*>(packet + 4)), text.substr(0, 1 + 129 * 3));

    EXPECT_EQ(writeFreeText("x", packet, FreeTextSize - 1), -1);
}

TEST(FreeTextSend, AnEmptyTextSendsNothingAndAnyAnswerEndsTheExchange) {
    ScriptedPort port;
    Desk desk{port};
    FakeServer server;
    // Whatever the server answers is not examined, a refusal included.
    server.script(0).awaitRequest().send(FakeServer::resultPacket(1, "不支持的命令"));
    ASSERT_EQ(desk.connection().connect(server.host(), server.port()), 1);

    EXPECT_FALSE(sendFreeText(desk, ""));
    EXPECT_TRUE(sendFreeText(desk, "hello"));
    ASSERT_TRUE(server.waitForRequests(1));
    auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].size(), std::size_t(FreeTextSize));
    EXPECT_TRUE(port.messages.empty());
}

TEST(FreeTextSend, SendAndReceiveFailuresShowTheirTexts) {
    ScriptedPort port;
    Desk desk{port};
    // Not connected: the send fails, the program goes on.
    EXPECT_FALSE(sendFreeText(desk, "hello"));
    EXPECT_EQ(port.lastMessage().text, "   发送数据出错! ");

    FakeServer server;
    server.script(0).awaitRequest().close();
    ASSERT_EQ(desk.connection().connect(server.host(), server.port()), 1);
    EXPECT_THROW(sendFreeText(desk, "hello"), ProgramEnd);
    EXPECT_EQ(port.lastMessage().text, "   接收数据出错, 与服务器的联接断开了! ");
}

}  // namespace
}  // namespace korvant
