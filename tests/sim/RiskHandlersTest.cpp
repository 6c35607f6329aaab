#include "SimTestClient.h"

namespace korvant::sim::test {
namespace {

constexpr int AssignedSize = 2408;

class RiskRules : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(admin.login("admin", "admin").size(), 44); }

    Reply add(int32_t category, int32_t kind, const std::string& summary) {
        return admin.request(cmd::AddRiskRule, 2376, [&](PacketWriter& w) {
            w.i32(4, kind).i32(12, category).text(20, 2048, "cu").i32(2068, 80);
            w.text(2096, 256, summary);
        });
    }
    Reply target(uint8_t command, int size, int32_t kind, const std::string& code,
                 const std::function<void(PacketWriter&)>& more = {}) {
        return admin.request(command, size, [&](PacketWriter& w) {
            w.i32(4, kind).text(command == cmd::LoadRiskRule ? 16 : 8, 16, code);
            if (more) more(w);
        });
    }
    std::vector<int32_t> loaded(int32_t kind, const std::string& code, int offset = 0) {
        Reply list = target(cmd::AssignedRules, 32, kind, code);
        EXPECT_EQ(list.command(), cmd::AssignedRules);
        std::vector<int32_t> ids;
        for (int i = 0; i < list.records(AssignedSize); ++i)
            ids.push_back(getI32(list.record(i, AssignedSize) + offset));
        return ids;
    }
    Reply load(int32_t kind, const std::string& code, int32_t position, int32_t id) {
        return target(cmd::LoadRiskRule, 2396, kind, code,
                      [&](PacketWriter& w) { w.i32(8, position).i32(2392, id); });
    }
    Reply unload(const std::string& code, int32_t id, int32_t position) {
        return target(cmd::UnloadRiskRule, 36, 2, code,
                      [&](PacketWriter& w) { w.i32(24, id).i32(28, position).i32(32, 0); });
    }

    std::unique_ptr<SimServerThread> server = startServer("demo");
    SimClient admin{server->port()};
};

TEST_F(RiskRules, AddModifyAndDeleteInTheWarehouse) {
    Reply added = add(7, 14, "cu风险度大于80%");
    ASSERT_EQ(added.command(), cmd::AddRiskRule);
    const int32_t id = added.i32(4);
    EXPECT_GT(id, 14);
    Reply changed = admin.request(cmd::ModifyRiskRule, 2360, [&](PacketWriter& w) {
        w.i32(4, id).i32(2056, 90).text(2080, 256, "cu风险度大于90%");
    });
    EXPECT_TRUE(changed.accepted()) << changed.resultText();
    Reply list = admin.request(cmd::RiskStrategyList, 16, [](PacketWriter& w) { w.i32(4, 1); });
    bool found = false;
    for (int page = 0; page < list.totalPages(); ++page) {
        Reply p = admin.request(cmd::RiskStrategyList, 16,
                                [&](PacketWriter& w) { w.i32(4, 1).i32(8, page); });
        for (int i = 0; i < p.records(2376); ++i)
            if (getI32(p.record(i, 2376)) == id) {
                found = true;
                EXPECT_EQ(getI32(p.record(i, 2376) + 2068), 90);
                EXPECT_EQ(readPlainText(p.record(i, 2376) + 2096, 256), "cu风险度大于90%");
            }
    }
    EXPECT_TRUE(found);
    // A loaded rule stays; once unloaded it can go.
    ASSERT_TRUE(load(2, "0102", 1, id).accepted());
    Reply refused = admin.request(cmd::DeleteRiskRule, 8, [&](PacketWriter& w) { w.i32(4, id); });
    EXPECT_TRUE(refused.refused());
    ASSERT_TRUE(unload("0102", id, 1).accepted());
    EXPECT_TRUE(
        admin.request(cmd::DeleteRiskRule, 8, [&](PacketWriter& w) { w.i32(4, id); }).accepted());
    EXPECT_TRUE(
        admin.request(cmd::DeleteRiskRule, 8, [&](PacketWriter& w) { w.i32(4, id); }).refused());
}

TEST_F(RiskRules, LoadedListsKeepTheirOrderAndSelectors) {
    EXPECT_EQ(loaded(2, "0101"), (std::vector<int32_t>{4, 11, 12}));
    ASSERT_TRUE(load(2, "0101", 4, 1).accepted());
    ASSERT_TRUE(load(2, "0101", 1, 2).accepted());
    EXPECT_EQ(loaded(2, "0101"), (std::vector<int32_t>{2, 4, 11, 12, 1}));
    EXPECT_TRUE(load(2, "0101", 1, 2).refused());  // already loaded
    // An unload whose position does not hold the rule is refused.
    EXPECT_TRUE(unload("0101", 11, 2).refused());
    EXPECT_TRUE(unload("0101", 11, 3).accepted());
    Reply up = target(cmd::MoveRuleUp, 28, 2, "0101", [](PacketWriter& w) { w.i32(24, 1); });
    EXPECT_TRUE(up.refused());
    up = target(cmd::MoveRuleUp, 28, 2, "0101", [](PacketWriter& w) { w.i32(24, 4); });
    EXPECT_TRUE(up.accepted());
    EXPECT_EQ(loaded(2, "0101"), (std::vector<int32_t>{2, 4, 1, 12}));
    // Groups are told by their code at 32, sub-accounts by 12; a sub-account
    // of group 0101 also lists the group's rules, without its selector.
    Reply groupList = target(cmd::AssignedRules, 32, 2, "0101");
    EXPECT_EQ(readPlainText(groupList.record(0, AssignedSize) + 32, 16), "0101");
    EXPECT_EQ(loaded(0, "100101", 12), (std::vector<int32_t>{1, 1, 1, 0, 0, 0, 0}));
    EXPECT_TRUE(target(cmd::RuleAssignmentDone, 24, 0, "100101").accepted());
    EXPECT_TRUE(target(cmd::AssignedRules, 32, 0, "999999").refused());
}

}  // namespace
}  // namespace korvant::sim::test
