#include <set>

#include "PageSizes.h"
#include "SimTestClient.h"

namespace korvant::sim::test {
namespace {

constexpr int GroupSize = 156, TemplateSize = 84, VarietySize = 80, RuleSize = 2376,
              AdminSize = 136, MainSize = 88, LinkSize = 24, SubSize = 364;

class DemoLists : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(client.login("admin", "admin").size(), 44); }
    std::unique_ptr<SimServerThread> server = startServer("demo");
    SimClient client{server->port()};
};

// Reads every page of a list: checks that each carries the same total and
// its own index, that only the last may be short, and returns the records.
int countAllPages(const std::function<Reply(int)>& page, uint8_t command, int recordSize,
                  int pageSize) {
    Reply first = page(0);
    EXPECT_EQ(first.command(), command);
    int total = first.totalPages();
    EXPECT_GE(total, 1);
    int count = 0;
    for (int p = 0; p < total && p < 2000; ++p) {
        Reply r = p == 0 ? first : page(p);
        EXPECT_EQ(r.totalPages(), total);
        EXPECT_EQ(r.pageIndex(), p);
        EXPECT_EQ((r.size() - 12) % recordSize, 0);
        if (p < total - 1) {
            EXPECT_EQ(r.records(recordSize), pageSize);
        }
        EXPECT_GE(r.records(recordSize), p == 0 ? 0 : 1);
        count += r.records(recordSize);
    }
    Reply past = page(total);
    EXPECT_EQ(past.totalPages(), total);
    EXPECT_EQ(past.records(recordSize), 0);
    Reply negative = page(-3);
    EXPECT_EQ(negative.pageIndex(), 0);
    EXPECT_EQ(negative.bytes, first.bytes);
    return count;
}

TEST_F(DemoLists, ReferenceListsPageCompletely) {
    EXPECT_EQ(countAllPages([&](int p) { return client.groups(p); }, cmd::GroupList, GroupSize,
                            page::Groups),
              9);
    for (uint8_t command : {cmd::MarginTemplateList, cmd::FeeTemplateList}) {
        auto page = [&](int p) {
            return client.request(command, 72, [&](PacketWriter& w) { w.i32(68, p); });
        };
        EXPECT_EQ(countAllPages(page, command, TemplateSize, page::Templates), 4);
    }
    auto varieties = [&](int p) {
        return client.request(cmd::VarietyList, 20, [&](PacketWriter& w) { w.i32(4, p); });
    };
    EXPECT_EQ(countAllPages(varieties, cmd::VarietyList, VarietySize, page::Varieties), 27 * 4 + 1);
    auto rules = [&](int p) {
        return client.request(cmd::RiskStrategyList, 16,
                              [&](PacketWriter& w) { w.i32(4, 1).i32(8, p); });
    };
    EXPECT_EQ(countAllPages(rules, cmd::RiskStrategyList, RuleSize, page::RiskRules), 14);
}

TEST_F(DemoLists, AccountListsPageCompletely) {
    EXPECT_EQ(countAllPages([&](int p) { return client.administrators(-1, p); },
                            cmd::AdministratorList, AdminSize, page::Administrators),
              13);
    EXPECT_EQ(countAllPages([&](int p) { return client.mainAccounts(-1, p); }, cmd::MainAccountList,
                            MainSize, page::MainAccounts),
              5);
    EXPECT_EQ(countAllPages([&](int p) { return client.links(-1, p); }, cmd::MainAccountLinks,
                            LinkSize, page::Links),
              7);
    EXPECT_EQ(countAllPages([&](int p) { return client.subAccounts(-1, p); }, cmd::SubAccountList,
                            SubSize, page::SubAccounts),
              60);
    Reply last = client.subAccounts(-1, 1);
    EXPECT_EQ(last.totalPages(), 2);
    EXPECT_EQ(last.records(SubSize), 10);
}

TEST_F(DemoLists, ContentOfTheStartUpLists) {
    Reply groups = client.groups(0);
    const uint8_t* root = groups.record(0, GroupSize);
    EXPECT_EQ(readPlainText(root, 32), "Korvant平台");
    EXPECT_EQ(getI32(root + 32), 1);
    EXPECT_EQ(readPlainText(root + 128, 16), "");
    for (int i = 1; i < groups.records(GroupSize); ++i) {
        const uint8_t* g = groups.record(i, GroupSize);
        std::string code = readPlainText(g + 128, 16);
        ASSERT_TRUE(code.size() == 2 || code.size() == 4) << code;
        if (code.size() == 2) {
            EXPECT_EQ(getI32(g + 68), 1);
            EXPECT_LT(getI32(g + 148), getI32(g + 152));
        }
    }
    Reply varieties = client.request(cmd::VarietyList, 20, [&](PacketWriter& w) { w.i32(4, 0); });
    std::set<std::string> exchanges, contracts;
    for (int i = 0; i < varieties.records(VarietySize); ++i) {
        const uint8_t* v = varieties.record(i, VarietySize);
        exchanges.insert(readPlainText(v + 64, 16));
        contracts.insert(readPlainText(v, 32));
    }
    EXPECT_EQ(exchanges, (std::set<std::string>{"SHFE", "DCE", "CZCE", "CFFEX"}));
    for (const char* c : {"cu2601", "rb2601", "m2601", "SR601", "IF2601"})
        EXPECT_TRUE(contracts.count(c)) << c;
}

TEST_F(DemoLists, GroupNameFilterIsASubstring) {
    Reply r = client.groups(0, "投资部");
    EXPECT_EQ(r.records(GroupSize), 3);
    EXPECT_EQ(client.groups(0, "杭州").records(GroupSize), 1);
    Reply none = client.groups(0, "不存在的组");
    EXPECT_EQ(none.totalPages(), 1);
    EXPECT_EQ(none.records(GroupSize), 0);
}

TEST_F(DemoLists, RiskRulesVisibleFromAGroup) {
    auto count = [&](int32_t owner) {
        return countAllPages(
            [&](int p) {
                return client.request(cmd::RiskStrategyList, 16,
                                      [&](PacketWriter& w) { w.i32(4, owner).i32(8, p); });
            },
            cmd::RiskStrategyList, RuleSize, page::RiskRules);
    };
    EXPECT_EQ(count(1), 14);
    EXPECT_EQ(count(0), 14);
    // A desk of the first department sees the platform's rules and its department's.
    EXPECT_EQ(count(5), 13);
    EXPECT_EQ(count(9), 12);
}

TEST_F(DemoLists, AccountListsFollowTheSelectedGroup) {
    EXPECT_EQ(client.administrators(1, 0).records(AdminSize), 5);
    EXPECT_EQ(client.administrators(5, 0).records(AdminSize), 1);
    Reply admin = client.administrators(-1, 0, "adm", 0x01);
    ASSERT_EQ(admin.records(AdminSize), 1);
    const uint8_t* a = admin.record(0, AdminSize);
    EXPECT_EQ(readPlainText(a, 16), "admin");
    EXPECT_EQ(readPlainText(a + 16, 16), "admin");
    EXPECT_EQ(getU32(a + 32), 0xFFFFFu);
    EXPECT_EQ(readPlainText(a + 36, 32), "Korvant平台");
    EXPECT_EQ(getI32(a + 68), 1);

    EXPECT_EQ(client.mainAccounts(2, 0).records(MainSize), 2);
    EXPECT_EQ(client.mainAccounts(-1, 0, "8802").records(MainSize), 2);
    EXPECT_EQ(client.links(8, 0).records(LinkSize), 2);
    EXPECT_EQ(client.links(4, 0).records(LinkSize), 0);
    EXPECT_EQ(client.subAccounts(5, 0).records(SubSize), 15);
    // A first-level group lists the sub-accounts of its desks.
    EXPECT_EQ(client.subAccounts(2, 0).records(SubSize), 27);
    EXPECT_EQ(client.groupIdOfCode("0202").i32(4), 8);
    EXPECT_EQ(client.groupIdOfCode("0202").size(), 8);
    EXPECT_TRUE(client.groupIdOfCode("99").refused());
}

TEST_F(DemoLists, SubAccountFilters) {
    EXPECT_EQ(client.subAccounts(-1, 0, {.account = "1001"}).records(SubSize), 15);
    Reply all = client.subAccounts(7, 0);
    const uint8_t* sample = all.record(3, SubSize);
    std::string password = readPlainText(sample + 16, 16);
    int32_t date = getI32(sample + 100);

    Reply byPassword = client.subAccounts(-1, 0, {.password = password});
    ASSERT_GE(byPassword.records(SubSize), 1);
    for (int i = 0; i < byPassword.records(SubSize); ++i)
        EXPECT_NE(readPlainText(byPassword.record(i, SubSize) + 16, 16).find(password),
                  std::string::npos);
    Reply byDate = client.subAccounts(-1, 0, {.date = date});
    ASSERT_GE(byDate.records(SubSize), 1);
    for (int i = 0; i < byDate.records(SubSize); ++i)
        EXPECT_EQ(getI32(byDate.record(i, SubSize) + 100), date);
    Reply byRemark = client.subAccounts(-1, 0, {.remark = "客户"});
    for (int i = 0; i < byRemark.records(SubSize); ++i)
        EXPECT_NE(readPlainText(byRemark.record(i, SubSize) + 296, 64).find("客户"),
                  std::string::npos);
    // Filters combine: the date of one desk's customer within another desk.
    Reply combined = client.subAccounts(7, 0, {.account = "2001", .date = date});
    EXPECT_GE(combined.records(SubSize), 1);
    EXPECT_EQ(client.subAccounts(-1, 0, {.account = "999999"}).records(SubSize), 0);
}

}  // namespace
}  // namespace korvant::sim::test
