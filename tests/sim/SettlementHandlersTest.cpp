#include <gtest/gtest.h>

#include "SimTestClient.h"

// The settlement state machine, the settlement prices, the trading
// parameters and the operation log of the simulator.
namespace korvant::sim::test {
namespace {

Reply header(SimClient& c, uint8_t command) {
    return c.request(command, 4, [](PacketWriter&) {});
}

TEST(SimSettlement, StartRunsForAFewPollsThenFinishes) {
    auto server = startServer("demo");
    SimClient c(server->port());
    ASSERT_TRUE(c.login("admin", "admin").command() == cmd::LoginAnswer);
    EXPECT_EQ(header(c, cmd::SettlementProgress).i32(4), 0);
    Reply start = header(c, cmd::StartSettlement);
    ASSERT_EQ(start.command(), cmd::StartSettlement);
    EXPECT_EQ(start.bytes[4], 1);
    const int32_t date = getI32(start.bytes.data() + 5);
    // A second start while it runs is refused with the date and a text.
    Reply again = header(c, cmd::StartSettlement);
    EXPECT_EQ(again.bytes[4], 0);
    EXPECT_EQ(again.text(9, again.size() - 9), "结算正在进行中");
    int polls = 0;
    int32_t state = 1;
    while (state == 1 && polls < 10) {
        state = header(c, cmd::SettlementProgress).i32(4);
        ++polls;
    }
    EXPECT_EQ(state, 2);
    EXPECT_GT(polls, 1);

    Reply page =
        c.request(cmd::SettlementPrices, 12, [&](PacketWriter& w) { w.i32(4, date).i32(8, 1); });
    EXPECT_EQ(page.totalPages(), 2);
    EXPECT_EQ(page.records(60), 9);  // 109 contracts, 100 a page
    Reply set = c.request(cmd::SetSettlementPrice, 64, [&](PacketWriter& w) {
        w.i32(4, date).text(8, 16, "CFFEX").text(24, 32, "IF2601").f64(56, 4000.5);
    });
    EXPECT_TRUE(set.accepted());
    Reply unknown = c.request(cmd::SetSettlementPrice, 64, [&](PacketWriter& w) {
        w.i32(4, date).text(8, 16, "CFFEX").text(24, 32, "NOPE").f64(56, 1);
    });
    EXPECT_TRUE(unknown.refused());
    Reply clear = header(c, cmd::ClearSettlement);
    EXPECT_EQ(clear.bytes[4], 1);
    EXPECT_EQ(header(c, cmd::SettlementProgress).i32(4), 0);
}

TEST(SimSettlement, ADateWithoutPricesFails) {
    auto server = startServer("empty");
    SimClient c(server->port());
    ASSERT_TRUE(c.login("admin", "admin").command() == cmd::LoginAnswer);
    ASSERT_EQ(header(c, cmd::StartSettlement).bytes[4], 1);
    Reply status;
    for (int i = 0; i < 10; ++i) {
        status = header(c, cmd::SettlementProgress);
        if (status.i32(4) != 1) break;
    }
    EXPECT_EQ(status.i32(4), 3);
    EXPECT_EQ(status.text(8, status.size() - 8), "没有结算价，结算失败");
}

TEST(SimSettlement, ParametersAndListsAreStoredAndEveryChangeIsLogged) {
    auto server = startServer("demo");
    SimClient c(server->port());
    ASSERT_TRUE(c.login("admin", "admin").command() == cmd::LoginAnswer);
    Reply set = c.request(cmd::SetTradingParameters, 30, [](PacketWriter& w) {
        w.u8(4, '2').u8(5, '0').i32(6, 300).i32(10, 1700).i32(14, 1600).i32(18, 1900).f64(22, 6);
    });
    EXPECT_TRUE(set.accepted());
    Reply p = header(c, cmd::TradingParameters);
    ASSERT_EQ(p.size(), 30);
    EXPECT_EQ(p.bytes[4], '2');
    EXPECT_EQ(p.i32(10), 1700);
    EXPECT_DOUBLE_EQ(p.f64(22), 6);

    EXPECT_TRUE(c.request(cmd::SetCloseTodayFees, 2056, [](PacketWriter& w) {
                     w.text(4, 2048, "IF|m|").i32(2052, 1);
                 }).accepted());
    Reply lists = c.request(cmd::CloseTodayFees, 8, [](PacketWriter&) {});
    EXPECT_EQ(lists.text(4, 2048), "");
    EXPECT_EQ(lists.text(2052, lists.size() - 2052), "IF|m|");

    // Refused changes are not logged; a carried-out one is, with the scope.
    EXPECT_TRUE(c.accountRequest(cmd::DeleteSubAccount, "999999999").refused());
    Reply scope = c.request(cmd::GroupCodeOfId, 8, [](PacketWriter& w) { w.i32(4, 2); });
    EXPECT_EQ(scope.text(4, 16), "01");
    Reply log = c.request(cmd::OperationLog, 125, [](PacketWriter& w) {
        w.i32(20, 0).text(24, 32, "2000-1-1 00:00:00").text(56, 32, "2099-12-31 23:59:59");
    });
    ASSERT_EQ(log.command(), cmd::OperationLog);
    ASSERT_EQ(log.records(712), 2);
    EXPECT_EQ(readPlainText(log.record(0, 712) + 32, 64), "修改交易参数");
    EXPECT_EQ(readPlainText(log.record(1, 712) + 32, 64), "修改平今手续费");
    EXPECT_EQ(readPlainText(log.record(1, 712), 32), "admin");
    EXPECT_EQ(readPlainText(log.record(1, 712) + 656, 40), "127.0.0.1");
    Reply fees = c.request(cmd::OperationLog, 125, [](PacketWriter& w) {
        w.text(24, 32, "2000-1-1 00:00:00").text(56, 32, "2099-12-31 23:59:59").i32(121, 0x10);
    });
    EXPECT_EQ(fees.records(712), 1);
    Reply scoped = c.request(cmd::OperationLog, 125, [](PacketWriter& w) {
        w.text(4, 16, "01").text(24, 32, "2000-1-1 00:00:00").text(56, 32, "2099-12-31 23:59:59");
    });
    EXPECT_EQ(scoped.records(712), 0);  // admin belongs to the root group
}

}  // namespace
}  // namespace korvant::sim::test
