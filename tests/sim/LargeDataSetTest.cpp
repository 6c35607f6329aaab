#include "DataSets.h"
#include "PageSizes.h"
#include "SimTestClient.h"

namespace korvant::sim::test {
namespace {

// Records of a list from its total and the size of its last page.
int countFromLastPage(const std::function<Reply(int)>& page, int recordSize, int pageSize) {
    int total = page(0).totalPages();
    Reply last = page(total - 1);
    EXPECT_EQ(last.pageIndex(), total - 1);
    return (total - 1) * pageSize + last.records(recordSize);
}

TEST(LargeDataSet, CountsThroughTheLists) {
    auto server = startServer("large");
    SimClient client(server->port());
    ASSERT_EQ(client.login("admin", "admin").u32(40), 0xFFFFFu);
    EXPECT_EQ(countFromLastPage([&](int p) { return client.groups(p); }, 156, page::Groups),
              1 + 50 + 500);
    EXPECT_EQ(
        countFromLastPage([&](int p) { return client.subAccounts(-1, p); }, 364, page::SubAccounts),
        50000);
    EXPECT_EQ(countFromLastPage([&](int p) { return client.mainAccounts(-1, p); }, 88,
                                page::MainAccounts),
              2500);
    EXPECT_EQ(countFromLastPage([&](int p) { return client.administrators(-1, p); }, 136,
                                page::Administrators),
              1000);
    auto varieties = [&](int p) {
        return client.request(cmd::VarietyList, 20, [&](PacketWriter& w) { w.i32(4, p); });
    };
    EXPECT_EQ(countFromLastPage(varieties, 80, page::Varieties), 3000);
    for (uint8_t command : {cmd::FeeTemplateList, cmd::MarginTemplateList}) {
        auto templates = [&](int p) {
            return client.request(command, 72, [&](PacketWriter& w) { w.i32(68, p); });
        };
        EXPECT_EQ(countFromLastPage(templates, 84, page::Templates), 500);
    }
    auto rules = [&](int p) {
        return client.request(cmd::RiskStrategyList, 16,
                              [&](PacketWriter& w) { w.i32(4, 1).i32(8, p); });
    };
    EXPECT_EQ(countFromLastPage(rules, 2376, page::RiskRules), 2000);
    // A desk holds 100 customers, two pages.
    Reply desk = client.subAccounts(client.groupIdOfCode("2507").i32(4), 1);
    EXPECT_EQ(desk.totalPages(), 2);
    EXPECT_EQ(desk.records(364), 50);
}

TEST(LargeDataSet, SameSeedSameDataOtherSeedOtherData) {
    SimState a, b, c;
    ASSERT_TRUE(buildDataSet("large", 7, a));
    ASSERT_TRUE(buildDataSet("large", 7, b));
    ASSERT_TRUE(buildDataSet("large", 8, c));
    ASSERT_EQ(a.subAccounts.size(), b.subAccounts.size());
    int differences = 0;
    for (std::size_t i = 0; i < a.subAccounts.size(); ++i) {
        EXPECT_EQ(a.subAccounts[i].name, b.subAccounts[i].name);
        EXPECT_EQ(a.subAccounts[i].password, b.subAccounts[i].password);
        if (a.subAccounts[i].name != c.subAccounts[i].name) ++differences;
    }
    EXPECT_GT(differences, 1000);
    EXPECT_FALSE(buildDataSet("huge", 1, a));
}

TEST(DataSets, NumbersLieInTheDepartmentsRangesAndFundsBalance) {
    for (const char* name : {"demo", "large"}) {
        SimState s;
        ASSERT_TRUE(buildDataSet(name, 3, s));
        for (const auto& sub : s.subAccounts) {
            const Group* desk = s.findGroup(sub.groupId);
            ASSERT_NE(desk, nullptr);
            ASSERT_EQ(desk->level(), 2);
            const Group* dept = s.findGroup(desk->parentId);
            ASSERT_NE(dept, nullptr);
            EXPECT_GE(sub.number, dept->rangeFrom);
            EXPECT_LE(sub.number, dept->rangeTo);
            EXPECT_NE(s.findLink(sub.mainAccount, sub.groupId), nullptr) << sub.number;
        }
        for (const auto& m : s.mainAccounts) {
            if (!m.limited()) continue;
            double held = m.distributable;
            for (const auto& l : s.links)
                if (l.mainAccount == m.account) held += l.distributable;
            for (const auto& sub : s.subAccounts)
                if (sub.mainAccount == m.account) held += sub.available;
            EXPECT_NEAR(held, m.initialFunds, 0.01) << m.account;
        }
    }
}

}  // namespace
}  // namespace korvant::sim::test
