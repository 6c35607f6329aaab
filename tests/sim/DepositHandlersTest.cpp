#include "SimTestClient.h"

namespace korvant::sim::test {
namespace {

constexpr int32_t In = 0, Out = 1;

// The movements answer with their own command, an i32 at 4 and a text at 8.
bool moved(const Reply& r, uint8_t command) {
    return r.command() == command && r.size() >= 9 && r.i32(4) != 0;
}
bool refusedMove(const Reply& r, uint8_t command) {
    return r.command() == command && r.size() >= 9 && r.i32(4) == 0 &&
           !readPlainText(r.bytes.data() + 8, r.bytes.size() - 8).empty();
}

class Deposits : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(admin.login("admin", "admin").size(), 44); }
    double linkFunds(int32_t group, const std::string& main) {
        auto l = findRecord(admin.links(group, 0), 24, main);
        return l ? getF64(l + 16) : -1;
    }
    const uint8_t* mainRecord(int32_t group, const std::string& main) {
        mains = admin.mainAccounts(group, 0);
        return findRecord(mains, 88, main);
    }
    // Initial funds of a limited main account against what it and its
    // links and sub-accounts hold.
    void expectBalanced(const std::string& main, int32_t department,
                        std::initializer_list<int32_t> desks) {
        const uint8_t* m = mainRecord(department, main);
        ASSERT_NE(m, nullptr);
        double held = getF64(m + 24);
        for (int32_t desk : desks) {
            held += std::max(linkFunds(desk, main), 0.0);
            Reply subs = admin.subAccounts(desk, 0);
            for (int i = 0; i < subs.records(364); ++i) {
                const uint8_t* s = subs.record(i, 364);
                if (readPlainText(s + 104, 16) == main)
                    held += admin.funds(readPlainText(s, 16)).f64(4);
            }
        }
        EXPECT_NEAR(held, getF64(m + 16), 0.001) << main;
    }
    std::unique_ptr<SimServerThread> server = startServer("demo");
    SimClient admin{server->port()};
    Reply mains;
};

TEST_F(Deposits, SubAccountDepositAndWithdrawal) {
    std::string sub = readPlainText(admin.subAccounts(7, 0).record(0, 364), 16);
    Reply before = admin.funds(sub);
    ASSERT_EQ(before.command(), cmd::SubAccountFunds);
    ASSERT_EQ(before.size(), 36);
    double available = before.f64(4);
    EXPECT_GE(before.f64(12), available);  // equity includes the margin held
    double room = linkFunds(7, "880201");
    ASSERT_TRUE(moved(admin.subDeposit("0201", sub, In, 1000, "880201", 5, 6, "测试入金"),
                      cmd::SubAccountDeposit));
    Reply after = admin.funds(sub);
    EXPECT_DOUBLE_EQ(after.f64(4), available + 1000);
    EXPECT_DOUBLE_EQ(after.f64(20), 5);
    EXPECT_DOUBLE_EQ(after.f64(28), 6);
    EXPECT_DOUBLE_EQ(linkFunds(7, "880201"), room - 1000);

    EXPECT_TRUE(refusedMove(admin.subDeposit("0201", sub, Out, available + 1000.01, "880201", 0, 0),
                            cmd::SubAccountDeposit));
    EXPECT_TRUE(refusedMove(admin.subDeposit("0201", sub, In, room, "880201", 0, 0),
                            cmd::SubAccountDeposit));
    ASSERT_TRUE(moved(admin.subDeposit("0201", sub, Out, available + 1000, "880201", 0, 0),
                      cmd::SubAccountDeposit));
    EXPECT_DOUBLE_EQ(admin.funds(sub).f64(4), 0);
    EXPECT_TRUE(refusedMove(admin.subDeposit("0201", "999999", In, 1, "880201", 0, 0),
                            cmd::SubAccountDeposit));
    EXPECT_TRUE(
        refusedMove(admin.subDeposit("0201", sub, In, -5, "880201", 0, 0), cmd::SubAccountDeposit));
    EXPECT_TRUE(admin.funds("999999").refused());
    expectBalanced("880201", 3, {7, 8});
}

TEST_F(Deposits, MainAccountAndLinkMovementsKeepFundsConsistent) {
    const uint8_t* m = mainRecord(3, "880202");
    double initial = getF64(m + 16), spare = getF64(m + 24);
    ASSERT_TRUE(moved(admin.mainDeposit("02", "880202", In, 50000, 7, 8), cmd::MainAccountDeposit));
    m = mainRecord(3, "880202");
    EXPECT_DOUBLE_EQ(getF64(m + 16), initial + 50000);
    EXPECT_DOUBLE_EQ(getF64(m + 24), spare + 50000);
    EXPECT_DOUBLE_EQ(getF64(m + 40), 7);
    EXPECT_TRUE(refusedMove(admin.mainDeposit("02", "880202", Out, spare + 50001),
                            cmd::MainAccountDeposit));
    EXPECT_TRUE(refusedMove(admin.mainDeposit("01", "880202", In, 1), cmd::MainAccountDeposit));

    double link = linkFunds(8, "880202");
    ASSERT_TRUE(moved(admin.linkDeposit("0202", "880202", In, 20000), cmd::LinkDeposit));
    EXPECT_DOUBLE_EQ(linkFunds(8, "880202"), link + 20000);
    EXPECT_DOUBLE_EQ(getF64(mainRecord(3, "880202") + 24), spare + 30000);
    EXPECT_TRUE(
        refusedMove(admin.linkDeposit("0202", "880202", Out, link + 20000.5), cmd::LinkDeposit));
    EXPECT_TRUE(
        refusedMove(admin.linkDeposit("0202", "880202", In, spare + 30001), cmd::LinkDeposit));
    ASSERT_TRUE(moved(admin.linkDeposit("0202", "880202", Out, 5000), cmd::LinkDeposit));
    // Unlimited main accounts need no allocation; unknown links are refused.
    EXPECT_TRUE(refusedMove(admin.linkDeposit("0101", "880102", In, 1), cmd::LinkDeposit));
    EXPECT_TRUE(refusedMove(admin.linkDeposit("0101", "880201", In, 1), cmd::LinkDeposit));
    expectBalanced("880202", 3, {7, 8});
    expectBalanced("880101", 2, {5, 6});
}

TEST_F(Deposits, RefusalsBeforeTheHandlerUseTheMovementLayout) {
    SimClient anonymous(server->port());
    Reply r = anonymous.linkDeposit("0202", "880202", In, 1);
    EXPECT_TRUE(refusedMove(r, cmd::LinkDeposit));
    SimClient rates(server->port());
    ASSERT_EQ(rates.login("rates", "rate123").size(), 44);  // no 0x40
    EXPECT_TRUE(refusedMove(rates.mainDeposit("02", "880202", In, 1), cmd::MainAccountDeposit));
}

TEST_F(Deposits, EveryMovementIsRecorded) {
    Reply history = admin.depositRecords(0, 0, "", -1, 0);
    int before = history.records(116) + (history.totalPages() - 1) * 100;
    std::string sub = readPlainText(admin.subAccounts(7, 0).record(1, 364), 16);
    ASSERT_TRUE(moved(admin.subDeposit("0201", sub, In, 300, "880201", 0, 0, "备注文字"),
                      cmd::SubAccountDeposit));
    ASSERT_TRUE(
        moved(admin.subDeposit("0201", sub, Out, 100, "880201", 0, 0), cmd::SubAccountDeposit));
    ASSERT_TRUE(moved(admin.linkDeposit("0202", "880202", In, 10), cmd::LinkDeposit));

    Reply mine = admin.depositRecords(0, 0, sub, -1, 0);
    ASSERT_GE(mine.records(116), 2);
    const uint8_t* in = mine.record(mine.records(116) - 2, 116);
    const uint8_t* out = mine.record(mine.records(116) - 1, 116);
    EXPECT_EQ(std::to_string(getI32(in)), sub);
    EXPECT_DOUBLE_EQ(getF64(in + 24), 300);
    EXPECT_DOUBLE_EQ(getF64(out + 24), -100);
    EXPECT_EQ(readPlainText(in + 32, 16), "admin");
    EXPECT_EQ(readPlainText(in + 52, 64), "备注文字");
    EXPECT_EQ(readPlainText(in + 12, 12).size(), 8u);  // HH:MM:SS
    EXPECT_EQ(getI32(out + 48), getI32(in + 48) + 1);

    // Today's movements only, and the movements of one desk by its tree node.
    int32_t date = getI32(in + 8);
    EXPECT_EQ(admin.depositRecords(date, date, "", -1, 0).records(116), 3);
    Reply desk = admin.depositRecords(date, date, "上海一组", 5, 0);
    EXPECT_EQ(desk.records(116), 0);
    EXPECT_EQ(admin.depositRecords(date, date, "深圳组", 7, 0).records(116), 2);
    EXPECT_EQ(admin.depositRecords(0, 0, "", -1, 0).records(116), before + 3);
}

TEST(DepositPaging, LargeHistoryPages) {
    auto server = startServer("large");
    SimClient client(server->port());
    ASSERT_EQ(client.login("admin", "admin").size(), 44);
    Reply first = client.depositRecords(0, 0, "", -1, 0);
    EXPECT_EQ(first.totalPages(), 50);
    EXPECT_EQ(first.records(116), 100);
    EXPECT_EQ(client.depositRecords(0, 0, "", -1, 49).records(116), 100);
    EXPECT_EQ(client.depositRecords(0, 0, "", -1, 50).records(116), 0);
}

}  // namespace
}  // namespace korvant::sim::test
