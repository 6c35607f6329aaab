// Every page of a list read over the desk's connection: how each way of
// ending is told to the user, and the acknowledgement check's one decode.
#include <gtest/gtest.h>

#include <vector>

#include "DeskAnswers.h"
#include "app/desk/Desk.h"
#include "app/exchange/DeskPagedQuery.h"
#include "app/exchange/Exchange.h"
#include "app/exchange/PageProgress.h"
#include "app/exchange/Query.h"
#include "app/session/Login.h"
#include "model/Group.h"
#include "model/ReferenceQueries.h"
#include "protocol/Packet.h"
#include "support/FakeServer.h"
#include "support/ScriptedPort.h"

namespace korvant {
namespace {

using test::Bytes;
using test::FakeServer;
using test::ScriptedPort;

struct PagedFixture : ::testing::Test {
    FakeServer server;
    ScriptedPort port;
    Desk desk{port};
    int pages = 0;

    void serve(FakeServer::Responder responder) {
        server.respondByDefault(std::move(responder));
        ASSERT_EQ(desk.connection().connect(server.host(), server.port()), 1);
    }
    PagedQuery groups(int maxPages = MaxQueryPages) {
        PagedQuery query;
        query.command = cmd::GroupList;
        query.recordSize = Group::WireSize;
        query.writeRequest = [](int page, uint8_t* buffer, int capacity) {
            return writeGroupListRequest({}, page, buffer, capacity);
        };
        query.parsePage = [this](const uint8_t*, int) { ++pages; };
        query.maxPages = maxPages;
        return query;
    }
};

Bytes groupPage(int total, int index) {
    return test::listAnswerOf<Group>(cmd::GroupList, total, index,
                                     {test::makeGroup(2, 1, "01", "华东")});
}

TEST_F(PagedFixture, EveryPageReadIsDoneAndShowsNothing) {
    serve([](const Bytes& r) { return groupPage(3, getI32(r.data() + 36)); });
    PagedQueryResult result{};
    EXPECT_TRUE(runDeskPagedQuery(desk, groups(), {}, &result));
    EXPECT_EQ(result, PagedQueryResult::Done);
    EXPECT_EQ(pages, 3);
    EXPECT_TRUE(port.messages.empty());
}

// The request of the next page is out before the page in hand is parsed,
// so that the server builds it meanwhile; the last page asks for nothing.
TEST_F(PagedFixture, TheNextPageIsAskedForBeforeThisOneIsParsed) {
    serve([](const Bytes& r) { return groupPage(3, getI32(r.data() + 36)); });
    PagedQuery query = groups();
    std::vector<bool> nextAsked;
    query.parsePage = [&](const uint8_t*, int) {
        ++pages;
        // (the last page waits briefly: nothing should come)
        nextAsked.push_back(
            server.waitForRequests(static_cast<std::size_t>(pages) + 1, pages < 3 ? 2000 : 200));
    };
    EXPECT_TRUE(runDeskPagedQuery(desk, std::move(query)));
    EXPECT_EQ(nextAsked, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(server.requests().size(), 3u);
}

TEST_F(PagedFixture, ARefusalShowsOnlyTheServerText) {
    serve([](const Bytes&) { return FakeServer::resultPacket(1, "没有权限"); });
    EXPECT_FALSE(runDeskPagedQuery(desk, groups()));
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, "没有权限");
    EXPECT_EQ(port.messages[0].icon, MessageIcon::Error);
}

TEST_F(PagedFixture, ForeignAndRepeatedPagesAreErrorsNotEmptySuccess) {
    int asked = 0;
    serve([&asked](const Bytes&) {
        // Page 0, then another command's list, then page 0 again for ever.
        ++asked;
        if (asked == 2) return test::emptyList(cmd::SubAccountList);
        return groupPage(5, 0);
    });
    PagedQueryResult result{};
    EXPECT_FALSE(runDeskPagedQuery(desk, groups(), {}, &result));
    EXPECT_EQ(result, PagedQueryResult::ForeignAnswer);
    EXPECT_EQ(port.lastMessage().text, "  错误的数据包, 无法解析 !  ");
    port.clearRecords();
    PagedQueryTexts texts;
    texts.undecodable = " 解析数据包出错!";
    EXPECT_FALSE(runDeskPagedQuery(desk, groups(), texts, &result));
    EXPECT_EQ(result, PagedQueryResult::Stalled);
    EXPECT_EQ(port.lastMessage().text, " 解析数据包出错!");
}

TEST_F(PagedFixture, EndlessPagesStopWithTheTooMuchDataMessage) {
    serve([](const Bytes& r) { return groupPage(INT32_MAX, getI32(r.data() + 36)); });
    PagedQueryResult result{};
    EXPECT_FALSE(runDeskPagedQuery(desk, groups(4), {}, &result));
    EXPECT_EQ(result, PagedQueryResult::TooMuchData);
    EXPECT_EQ(server.requests().size(), 4u);
    EXPECT_NE(port.lastMessage().text.find("数据过多"), std::string::npos);
    EXPECT_EQ(port.lastMessage().icon, MessageIcon::Error);
}

// The desk's wait window names what it waits for: the read's progress
// title, the query's title; nothing is left named afterwards.
TEST(WaitNames, TheWaitNamesTheReadOrTheQueryItBelongsTo) {
    struct NamingPort : ScriptedPort {
        std::vector<std::string> names;
        bool waitForServer(const ServerWait& wait, const std::string& operation) override {
            if (!wait.over && (names.empty() || names.back() != operation))
                names.push_back(operation);
            return true;
        }
    };
    FakeServer server;
    NamingPort port;
    Desk desk{port};
    server.script(0)
        .awaitRequest()
        .pause(150)
        .send(groupPage(1, 0))
        .awaitRequest()
        .pause(150)
        .send(groupPage(1, 0))
        .pause(2000);
    ASSERT_EQ(desk.connection().connect(server.host(), server.port()), 1);
    const auto writeRequest = [](int page, uint8_t* buffer, int capacity) {
        return writeGroupListRequest({}, page, buffer, capacity);
    };
    PagedQuery read;
    read.command = cmd::GroupList;
    read.recordSize = Group::WireSize;
    read.writeRequest = writeRequest;
    read.parsePage = [](const uint8_t*, int) {};
    PagedQueryTexts texts;
    texts.progress = "查询组列表";
    EXPECT_TRUE(runDeskPagedQuery(desk, std::move(read), texts));
    QuerySpec query;
    query.build = [&](std::span<uint8_t> buffer) {
        return writeRequest(0, buffer.data(), static_cast<int>(buffer.size()));
    };
    query.command = cmd::GroupList;
    query.route = false;
    query.title = "查询组";
    EXPECT_TRUE(runQuery(desk, query).ok());
    EXPECT_EQ(port.names, (std::vector<std::string>{"查询组列表", "查询组"}));
    EXPECT_EQ(desk.operation(), "");
}

// A long list opens the progress window with its counts; a short one reads
// without it. The user's stop ends the read after the current page: no
// further request, no message, the window closed.
TEST_F(PagedFixture, LongListsShowTheirPagesAndStopWhenTheUserAsks) {
    int total = ProgressMinPages;
    serve([&total](const Bytes& r) { return groupPage(total, getI32(r.data() + 36)); });
    EXPECT_TRUE(runDeskPagedQuery(desk, groups()));
    EXPECT_TRUE(port.steps.empty());
    EXPECT_EQ(port.progressHidden, 0);

    total = 50;
    pages = 0;
    PagedQueryTexts texts;
    texts.progress = "查询组";
    EXPECT_TRUE(runDeskPagedQuery(desk, groups(), texts));
    EXPECT_EQ(pages, 50);
    // Every page but the last one is a step.
    ASSERT_EQ(port.steps.size(), 49u);
    EXPECT_EQ(port.steps.front(), std::make_pair(1, 50));
    EXPECT_EQ(port.steps.back(), std::make_pair(49, 50));
    EXPECT_EQ(port.progress.front(), "查询组  第 1/50 页");
    EXPECT_EQ(port.progressHidden, 1);

    port.clearRecords();
    const std::size_t before = server.requests().size();
    pages = 0;
    port.stopAtStep(3);
    PagedQueryResult result{};
    EXPECT_FALSE(runDeskPagedQuery(desk, groups(), texts, &result));
    EXPECT_EQ(result, PagedQueryResult::Stopped);
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(server.requests().size() - before, 3u);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(port.progressHidden, 1);
}

TEST_F(PagedFixture, ALostConnectionEndsTheProgram) {
    serve([](const Bytes&) { return Bytes{}; });
    desk.connection().close();
    EXPECT_THROW(runDeskPagedQuery(desk, groups()), ProgramEnd);
    EXPECT_EQ(port.lastMessage().text, "  与服务器断开了!");
}

// A start-up list that cannot be read whole fails the login (exit 1 on the
// command line) instead of ending in an empty or endless list.
TEST(StartUpLists, EndlessOrForeignGroupPagesFailTheLogin) {
    struct Case {
        bool endless;
        const char* message;
    };
    for (Case c : {Case{true, "  数据过多, 读取已停止!  "}, Case{false, " 解析数据包出错!"}}) {
        FakeServer server;
        // Empty pages of a list that claims two billion pages (stopped by the
        // page cap), or an answer of another command.
        server.respondByDefault([c](const Bytes& r) {
            if (r[3] != cmd::GroupList) return test::startupAnswer(r);
            if (!c.endless) return test::emptyList(cmd::SubAccountList);
            return test::listAnswerOf<Group>(cmd::GroupList, INT32_MAX, getI32(r.data() + 36), {});
        });
        test::ScratchDir dir;
        dir.serverIni(server.host(), server.port());
        ScriptedPort port;
        port.queueForm<LoginForm>([](LoginForm& f) {
            f.account = "admin";
            f.password = "admin";
            return true;
        });
        Desk desk(port, dir.path());
        LoginOptions options;
        options.rememberLogin = false;
        EXPECT_EQ(login(desk, options), LoginResult::Refused);
        EXPECT_EQ(port.lastMessage().text, c.message);
        EXPECT_FALSE(desk.connection().connected());
        // Nothing after the groups was asked for.
        EXPECT_EQ(server.requests().back()[3], cmd::GroupList);
        if (c.endless) EXPECT_EQ(server.requests().size(), 1u + MaxQueryPages);
    }
}

// The answer to an acknowledged change may come compressed: it is inflated
// before it is judged.
TEST(Acknowledge, ACompressedAnswerIsJudgedInflated) {
    ScriptedPort port;
    Desk desk{port};
    AckTexts texts;
    texts.title = "添加管理员";
    texts.failureRow = "添加 a1 失败！";
    texts.successRow = "添加 a1 成功";
    for (uint8_t status : {0, 1}) {
        Bytes plain = FakeServer::resultPacket(status, "已存在");
        Bytes wire(plain.size() + 64, 0);
        int size = writeCompressedRequest(plain.data(), static_cast<int>(plain.size()), wire.data(),
                                          static_cast<int>(wire.size()));
        ASSERT_EQ(wire[2], FlagCompressed);
        wire.resize(static_cast<std::size_t>(size));
        port.clearRecords();
        AckResult result = acknowledge(desk, wire.data(), size, texts);
        if (status == 0) {
            EXPECT_EQ(result, AckResult::Success);
            EXPECT_TRUE(port.messages.empty());
        } else {
            EXPECT_EQ(result, AckResult::Refused);
            EXPECT_EQ(port.lastMessage().text, "已存在");
        }
    }
    EXPECT_EQ(desk.statusList().rows().back().detail, "添加 a1 失败！已存在");
}

}  // namespace
}  // namespace korvant
