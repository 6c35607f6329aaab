#include <algorithm>

#include "SimTestClient.h"

namespace korvant::sim::test {
namespace {

class Accounts : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(admin.login("admin", "admin").size(), 44); }
    double linkFunds(int32_t group, const std::string& main) {
        auto l = findRecord(admin.links(group, 0), 24, main);
        return l ? getF64(l + 16) : -1;
    }
    std::unique_ptr<SimServerThread> server = startServer("demo");
    SimClient admin{server->port()};
};

TEST_F(Accounts, AddSubAccountAndItsRefusals) {
    Reply added = admin.addSubAccount("0100150", "pw", 5, "新客户", "880101", "备注");
    ASSERT_TRUE(added.accepted()) << added.resultText();
    auto s = findRecord(admin.subAccounts(5, 0, {.account = "100150"}), 364, "100150");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(readPlainText(s + 16, 16), "pw");
    EXPECT_EQ(readPlainText(s + 32, 32), "上海一组");
    EXPECT_EQ(readPlainText(s + 68, 32), "新客户");
    EXPECT_EQ(getI32(s + 100), 20260105);
    EXPECT_EQ(readPlainText(s + 104, 16), "880101");
    EXPECT_EQ(readPlainText(s + 256, 32), "00E04C6A1B2C");
    EXPECT_EQ(readPlainText(s + 296, 64), "备注");
    EXPECT_EQ(getI32(s + 360), 1);

    Reply duplicate = admin.addSubAccount("100150", "pw", 5, "重复", "880101");
    EXPECT_TRUE(contains(duplicate.resultText(), "已存在"));
    EXPECT_TRUE(admin.addSubAccount("0", "pw", 5, "零", "880101").refused());
    EXPECT_TRUE(admin.addSubAccount("2147483648", "pw", 5, "大", "880101").refused());
    EXPECT_TRUE(admin.addSubAccount("12ab", "pw", 5, "字母", "880101").refused());
    EXPECT_TRUE(admin.addSubAccount("200999", "pw", 5, "范围外", "880101").refused());
    EXPECT_TRUE(admin.addSubAccount("100151", "pw", 5, "未关联", "880201").refused());
    EXPECT_TRUE(admin.addSubAccount("100152", "", 5, "无密码", "880101").refused());
    EXPECT_TRUE(admin.addSubAccount("100153", "pw", 2, "一级组", "880101").refused());
}

TEST_F(Accounts, DepartmentQuotaLimitsNewSubAccounts) {
    // The southern department allows 300; lower it to what it holds.
    int held = admin.subAccounts(3, 0).records(364);
    ASSERT_TRUE(admin.modifyGroup(0, "华南投资部", 3, 1, "", held, 200001, 299999).accepted());
    Reply full = admin.addSubAccount("200900", "pw", 7, "超额", "880201");
    EXPECT_TRUE(full.refused());
    EXPECT_TRUE(contains(full.resultText(), "上限"));
}

TEST_F(Accounts, ModifySubAccountByChangeFlags) {
    ASSERT_TRUE(admin.addSubAccount("100160", "old", 5, "甲", "880101", "r1").accepted());
    ASSERT_TRUE(admin.modifySubAccount(0x01, 5, "new", "乙", "880101", "100160", "r2").accepted());
    auto s = findRecord(admin.subAccounts(5, 0, {.account = "100160"}), 364, "100160");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(readPlainText(s + 16, 16), "new");
    EXPECT_EQ(readPlainText(s + 68, 32), "甲");  // untouched without 0x10

    // 0x10: name, remark, option flags and the group within the department.
    ASSERT_TRUE(admin.modifySubAccount(0x10, 6, "", "乙", "880101", "100160", "r2").accepted());
    s = findRecord(admin.subAccounts(6, 0, {.account = "100160"}), 364, "100160");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(readPlainText(s + 16, 16), "new");
    EXPECT_EQ(readPlainText(s + 68, 32), "乙");
    EXPECT_EQ(readPlainText(s + 296, 64), "r2");
    EXPECT_EQ(getI32(s + 360), 2);

    EXPECT_TRUE(admin.modifySubAccount(0x10, 7, "", "丙", "880201", "100160", "").refused());
    EXPECT_TRUE(admin.modifySubAccount(0x01, 5, "x", "", "", "999999", "").refused());
}

TEST_F(Accounts, DeleteSubAccountReturnsItsFundsToTheLink) {
    Reply list = admin.subAccounts(9, 0);
    const uint8_t* first = list.record(0, 364);
    std::string number = readPlainText(first, 16);
    std::string main = readPlainText(first + 104, 16);
    double before = linkFunds(9, main);
    ASSERT_TRUE(admin.accountRequest(cmd::DeleteSubAccount, number).accepted());
    EXPECT_EQ(findRecord(admin.subAccounts(9, 0), 364, number), nullptr);
    EXPECT_TRUE(admin.accountRequest(cmd::DeleteSubAccount, number).refused());
    // 880301 is unlimited: nothing flows back; a limited main account gets it back.
    EXPECT_DOUBLE_EQ(linkFunds(9, main), before);
    std::string limited = readPlainText(admin.subAccounts(7, 0).record(0, 364), 16);
    double funds = admin.funds(limited).f64(4);
    double linkBefore = linkFunds(7, "880201");
    ASSERT_TRUE(admin.accountRequest(cmd::DeleteSubAccount, limited).accepted());
    EXPECT_NEAR(linkFunds(7, "880201"), linkBefore + funds, 0.001);
}

// Lists without keywords are read through the server's indexes: they follow
// every change and keep the order in which the accounts were made.
TEST_F(Accounts, UnfilteredListsFollowChangesInTheirOrder) {
    auto numbers = [&](int32_t group) {
        std::vector<std::string> out;
        Reply r = admin.subAccounts(group, 0);
        for (int i = 0; i < r.records(364); ++i) out.push_back(readPlainText(r.record(i, 364), 16));
        return out;
    };
    const std::size_t five = numbers(5).size(), six = numbers(6).size();
    ASSERT_TRUE(admin.addSubAccount("100170", "pw", 5, "新", "880101").accepted());
    ASSERT_EQ(numbers(5).size(), five + 1);
    EXPECT_EQ(numbers(5).back(), "100170");
    ASSERT_TRUE(admin.modifySubAccount(0x10, 6, "", "新", "880101", "100170", "").accepted());
    EXPECT_EQ(numbers(5).size(), five);
    EXPECT_EQ(numbers(6).size(), six + 1);
    // The department lists its desks' accounts in the order of the whole list.
    std::vector<std::string> inDepartment;
    const std::vector<std::string> fiveNow = numbers(5), sixNow = numbers(6);
    const int pages = admin.subAccounts(-1, 0).totalPages();
    for (int p = 0; p < pages && p < 100; ++p) {
        Reply all = admin.subAccounts(-1, p);
        for (int i = 0; i < all.records(364); ++i) {
            std::string n = readPlainText(all.record(i, 364), 16);
            if (std::find(fiveNow.begin(), fiveNow.end(), n) != fiveNow.end() ||
                std::find(sixNow.begin(), sixNow.end(), n) != sixNow.end())
                inDepartment.push_back(n);
        }
    }
    EXPECT_EQ(numbers(2), inDepartment);
    ASSERT_TRUE(admin.accountRequest(cmd::DeleteSubAccount, "100170").accepted());
    EXPECT_EQ(numbers(6).size(), six);
    EXPECT_TRUE(admin.accountRequest(cmd::DeleteSubAccount, "100170").refused());
}

TEST_F(Accounts, MainAccountLifecycle) {
    ASSERT_TRUE(admin.addMainAccount("880199", 2000000, "01", 1500000, 100000).accepted());
    auto m = findRecord(admin.mainAccounts(2, 0), 88, "880199");
    ASSERT_NE(m, nullptr);
    EXPECT_DOUBLE_EQ(getF64(m + 16), 2000000);
    EXPECT_DOUBLE_EQ(getF64(m + 24), 2000000);
    EXPECT_DOUBLE_EQ(getF64(m + 32), 1500000);
    EXPECT_DOUBLE_EQ(getF64(m + 40), 100000);
    EXPECT_DOUBLE_EQ(getF64(m + 48), 1.5);

    EXPECT_TRUE(contains(admin.addMainAccount("880199", 0, "01").resultText(), "已存在"));
    EXPECT_TRUE(admin.addMainAccount("880198", 0, "0101").refused());
    EXPECT_TRUE(admin.addMainAccount("880197", -1, "01").refused());
    EXPECT_TRUE(admin.addMainAccount("", 0, "01").refused());

    ASSERT_TRUE(admin.modifyMainAccount("880199", {2.5, 0.3, 7, 8, 9}).accepted());
    m = findRecord(admin.mainAccounts(2, 0), 88, "880199");
    EXPECT_DOUBLE_EQ(getF64(m + 48), 2.5);
    EXPECT_DOUBLE_EQ(getF64(m + 80), 9);
    EXPECT_TRUE(admin.modifyMainAccount("nothing", {}).refused());

    Reply used = admin.accountRequest(cmd::DeleteMainAccount, "880101");
    EXPECT_TRUE(used.refused());
    EXPECT_TRUE(contains(used.resultText(), "子账号"));
    ASSERT_TRUE(admin.link(cmd::LinkMainAccount, "880199", "0102").accepted());
    ASSERT_TRUE(admin.accountRequest(cmd::DeleteMainAccount, "880199").accepted());
    EXPECT_EQ(findRecord(admin.mainAccounts(2, 0), 88, "880199"), nullptr);
    EXPECT_EQ(findRecord(admin.links(6, 0), 24, "880199"), nullptr);
}

TEST_F(Accounts, LinkAndUnlink) {
    ASSERT_TRUE(admin.link(cmd::LinkMainAccount, "880102", "0102").accepted());
    EXPECT_NE(findRecord(admin.links(6, 0), 24, "880102"), nullptr);
    Reply again = admin.link(cmd::LinkMainAccount, "880102", "0102");
    EXPECT_TRUE(contains(again.resultText(), "已存在"));
    EXPECT_TRUE(admin.link(cmd::LinkMainAccount, "880201", "0102").refused());  // other department
    EXPECT_TRUE(admin.link(cmd::LinkMainAccount, "880102", "01").refused());
    EXPECT_TRUE(admin.link(cmd::LinkMainAccount, "nobody", "0102").refused());

    ASSERT_TRUE(admin.link(cmd::UnlinkMainAccount, "880102", "0102").accepted());
    EXPECT_EQ(findRecord(admin.links(6, 0), 24, "880102"), nullptr);
    EXPECT_TRUE(admin.link(cmd::UnlinkMainAccount, "880102", "0102").refused());
    // The desk's customers still use 880101.
    EXPECT_TRUE(admin.link(cmd::UnlinkMainAccount, "880101", "0102").refused());
}

}  // namespace
}  // namespace korvant::sim::test
