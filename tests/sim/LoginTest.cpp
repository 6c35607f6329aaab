#include "SimTestClient.h"

#include <chrono>
#include <thread>

#include "Connection.h"

namespace korvant::sim::test {
namespace {

class LoginTest : public ::testing::Test {
protected:
    std::unique_ptr<SimServerThread> server = startServer("demo");
};

TEST_F(LoginTest, AdminGetsTheFullMaskInAFortyFourByteAnswer) {
    SimClient client(server->port());
    Reply r = client.login("admin", "admin");
    ASSERT_EQ(r.size(), 44);
    EXPECT_EQ(r.command(), cmd::LoginAnswer);
    EXPECT_EQ(r.i32(4), 1);
    EXPECT_EQ(r.text(8, 32), "系统管理员");
    EXPECT_EQ(r.u32(40), 0xFFFFFu);
}

TEST_F(LoginTest, PartialMaskAndOwnGroupOfADeskAdministrator) {
    SimClient client(server->port());
    Reply r = client.login("sh01", "sh123");
    ASSERT_EQ(r.size(), 44);
    EXPECT_EQ(r.i32(4), 5);
    EXPECT_EQ(r.u32(40), 0x47u);
}

TEST_F(LoginTest, RefusalsDoNotTellWhichAccountsExistAndTheConnectionStaysUsable) {
    SimClient client(server->port());
    Reply wrong = client.login("admin", "wrong");
    EXPECT_TRUE(wrong.refused());
    EXPECT_EQ(wrong.resultText(), "账号或密码错误");
    Reply unknown = client.login("nobody", "x");
    EXPECT_TRUE(unknown.refused());
    EXPECT_EQ(unknown.resultText(), "账号或密码错误");
    Reply empty = client.login("", "");
    EXPECT_TRUE(empty.refused());
    EXPECT_EQ(client.login("admin", "admin").size(), 44);
}

TEST_F(LoginTest, RepeatedFailuresAreAnsweredLaterAndLater) {
    EXPECT_EQ(loginDelayMs(1), 0);
    EXPECT_EQ(loginDelayMs(2), 250);
    EXPECT_EQ(loginDelayMs(3), 500);
    EXPECT_EQ(loginDelayMs(40), 8000);
    SimClient client(server->port());
    EXPECT_TRUE(client.login("admin", "a").refused());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(client.login("admin", "b").refused());
    EXPECT_TRUE(client.login("admin", "c").refused());
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(700));
    // A success resets the count.
    EXPECT_EQ(client.login("admin", "admin").size(), 44);
}

TEST_F(LoginTest, NothingButTheLoginIsAnsweredBeforeOne) {
    SimClient client(server->port());
    for (Reply r : {client.administrators(1, 0), client.subAccounts(-1, 0), client.groups(0),
                    client.mainAccounts(2, 0)}) {
        EXPECT_TRUE(r.refused());
        EXPECT_EQ(r.resultText(), "请先登录");
    }
    ASSERT_EQ(client.login("admin", "admin").size(), 44);
    EXPECT_FALSE(client.groups(0).refused());
}

TEST(SimIdleConnection, IsClosedWithoutAnyRequestForTheIdleTimeout) {
    SimOptions options;
    options.port = 0;
    options.idleTimeoutMs = 300;
    SimServerThread server(options);
    ASSERT_TRUE(server.ok());
    SimClient client(server.port());
    ASSERT_EQ(client.login("bj01", "bj123").size(), 44);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    // The single-login account is free again for another connection.
    SimClient second(server.port());
    EXPECT_EQ(second.login("bj01", "bj123").size(), 44);
}

TEST_F(LoginTest, AddressRestrictionAndSingleLogin) {
    SimClient first(server->port());
    // gz01 may log in only from 10.1.2.3; sz01 lists 127.0.0.1 among its addresses.
    EXPECT_TRUE(first.login("gz01", "gz123").refused());
    EXPECT_EQ(first.login("sz01", "sz123").size(), 44);
    // bj01 does not allow a second simultaneous login.
    EXPECT_EQ(first.login("bj01", "bj123").size(), 44);
    SimClient second(server->port());
    Reply again = second.login("bj01", "bj123");
    EXPECT_TRUE(again.refused());
    EXPECT_EQ(again.resultText(), "该账号已在别处登录");
}

TEST_F(LoginTest, SingleLoginIsFreedWhenTheConnectionCloses) {
    {
        SimClient first(server->port());
        ASSERT_EQ(first.login("bj01", "bj123").size(), 44);
    }
    // The server notices the close asynchronously; retry for a short while.
    bool accepted = false;
    for (int attempt = 0; attempt < 50 && !accepted; ++attempt) {
        SimClient second(server->port());
        accepted = second.login("bj01", "bj123").size() == 44;
        if (!accepted) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(accepted);
}

TEST(LoginEmptyDataSet, OnlyAdminExists) {
    auto server = startServer("empty");
    SimClient client(server->port());
    EXPECT_EQ(client.login("admin", "admin").u32(40), 0xFFFFFu);
    EXPECT_TRUE(client.login("sh01", "sh123").refused());
    Reply groups = client.groups(0);
    EXPECT_EQ(groups.totalPages(), 1);
    ASSERT_EQ(groups.records(156), 1);
    EXPECT_EQ(readPlainText(groups.record(0, 156), 32), "Korvant平台");
}

}  // namespace
}  // namespace korvant::sim::test
