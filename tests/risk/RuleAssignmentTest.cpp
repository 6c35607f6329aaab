#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/desk/Desk.h"
#include "protocol/Bytes.h"
#include "risk/RiskArea.h"
#include "risk/RiskOperations.h"
#include "risk/RuleAssignment.h"
#include "support/FakeServer.h"
#include "support/ScriptedPort.h"

namespace korvant {
namespace {

using test::Bytes;
using test::FakeServer;

// A server holding one target's list of rule ids, going by position as a
// careless server would: 70 unloads whatever sits at the position sent.
struct AssignmentDesk {
    test::ScriptedPort port;
    FakeServer server;
    Desk desk{port};
    std::vector<int32_t> list;
    // Command and its fields: 69 position; 70 id, position, count; 71/72
    // position; 62 id.
    std::vector<std::pair<int, std::vector<int32_t>>> sent;
    std::vector<int32_t> refusedDeletes;

    AssignmentDesk(std::vector<int32_t> loaded, std::vector<int32_t> warehouse)
        : list(std::move(loaded)) {
        server.respondByDefault([this](const Bytes& r) { return answer(r); });
        desk.connection().connect(server.host(), server.port());
        desk.session().permissionMask = 0xFFFFF;
        desk.session().ownGroupId = 1;
        for (int32_t id : warehouse) {
            RiskRule rule;
            rule.id = id;
            rule.owner = id == 99 ? 2 : 1;
            rule.category = 7;
            rule.kind = 14;
            rule.summary = "rule " + std::to_string(id);
            desk.reference().riskStrategies.records.push_back(toRiskStrategy(rule));
        }
    }

    Bytes answer(const Bytes& r) {
        const uint8_t command = r[3];
        auto at = [&](int offset) { return getI32(r.data() + offset); };
        switch (command) {
            case 62:
                sent.push_back({command, {at(4)}});
                if (std::count(refusedDeletes.begin(), refusedDeletes.end(), at(4)) > 0)
                    return FakeServer::resultPacket(1, "已被加载");
                break;
            case 69:
                sent.push_back({command, {at(8)}});
                break;
            case 70:
                sent.push_back({command, {at(24), at(28), at(32)}});
                break;
            case 71:
            case 72:
                sent.push_back({command, {at(24)}});
                break;
            default:
                break;
        }
        switch (command) {
            case 68: {
                Bytes body(8 + list.size() * 2408, 0);
                putI32(body.data(), 1);
                for (std::size_t i = 0; i < list.size(); ++i) {
                    uint8_t* p = body.data() + 8 + i * 2408;
                    putI32(p, list[i]);
                    putI32(p + 12, 1);
                }
                return FakeServer::packet(68, body);
            }
            case 69:
                list.insert(list.begin() + std::clamp<int32_t>(at(8) - 1, 0,
                                                               static_cast<int32_t>(list.size())),
                            at(2392));
                break;
            case 70:
                if (at(28) >= 1 && at(28) <= static_cast<int32_t>(list.size()))
                    list.erase(list.begin() + (at(28) - 1));
                break;
            case 71:
            case 72: {
                const int32_t from = at(24) - 1, to = command == 71 ? from - 1 : from + 1;
                std::swap(list.at(static_cast<std::size_t>(from)),
                          list.at(static_cast<std::size_t>(to)));
                break;
            }
            default:
                break;
        }
        return FakeServer::resultPacket(0);
    }

    RuleAssignment open() {
        RuleAssignment a{{RuleTargetKind::SubAccount, "100001"}, {}};
        EXPECT_TRUE(readLoadedRules(desk, a.target, a.loaded));
        return a;
    }
};

TEST(RuleAssignment, LoadingThreeOntoTwoSendsPositionsThreeFourFive) {
    AssignmentDesk d({1, 2}, {1, 2, 11, 12, 13});
    RuleAssignment a = d.open();
    EXPECT_EQ(loadSelectedRules(d.desk, a, {11, 12, 13}), 3);
    ASSERT_EQ(d.sent.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(d.sent[static_cast<std::size_t>(i)].second[0], 3 + i);
    EXPECT_EQ(a.loadedIds(), (std::vector<int32_t>{1, 2, 11, 12, 13}));
}

TEST(RuleAssignment, UnloadingSeveralRemovesExactlyTheSelectedRules) {
    AssignmentDesk d({1, 2, 3, 4}, {1, 2, 3, 4});
    RuleAssignment a = d.open();
    d.port.answerYes();
    EXPECT_EQ(unloadSelectedRules(d.desk, a, {2, 3}), 2);
    EXPECT_TRUE(d.port.questions.back().message.defaultNo);
    // Each rule's place as the list stands when it is sent, and the list size.
    ASSERT_EQ(d.sent.size(), 2u);
    EXPECT_EQ(d.sent[0].second, (std::vector<int32_t>{2, 2, 4}));
    EXPECT_EQ(d.sent[1].second, (std::vector<int32_t>{3, 2, 3}));
    EXPECT_EQ(a.loadedIds(), (std::vector<int32_t>{1, 4}));
}

TEST(RuleAssignment, MovingAtTheEdgesSendsNothing) {
    AssignmentDesk d({1, 2, 3}, {1, 2, 3});
    RuleAssignment a = d.open();
    EXPECT_FALSE(moveSelectedRule(d.desk, a, {1, 3}, true));
    EXPECT_FALSE(moveSelectedRule(d.desk, a, {3}, false));
    EXPECT_FALSE(moveSelectedRule(d.desk, a, {}, true));
    EXPECT_EQ(d.port.lastMessage().text, "请先在右侧列表中选中要上移的风控规则。  ");
    EXPECT_TRUE(d.sent.empty());
    EXPECT_TRUE(moveSelectedRule(d.desk, a, {1, 3}, false));
    ASSERT_EQ(d.sent.size(), 1u);
    EXPECT_EQ(d.sent[0].first, 72);
    EXPECT_EQ(d.sent[0].second[0], 1);
    EXPECT_EQ(a.loadedIds(), (std::vector<int32_t>{2, 1, 3}));
}

TEST(RuleAssignment, LeftListHoldsOnlyOwnRulesOfTheNode) {
    AssignmentDesk d({}, {1, 99});
    RuleAssignment a = d.open();
    RuleAssignmentForm form;
    form.desk = &d.desk;
    form.assignment = &a;
    for (int32_t node : {-1, 7}) {
        form.node = node;
        const std::vector<RiskRule> rules = availableRules(form);
        ASSERT_EQ(rules.size(), 1u) << node;
        EXPECT_EQ(rules[0].id, 1);
    }
    form.node = 4;
    EXPECT_TRUE(availableRules(form).empty());
}

TEST(RuleWarehouse, DeletingStopsAtTheFirstRefusal) {
    AssignmentDesk d({}, {1, 2, 3});
    d.refusedDeletes = {2};
    EXPECT_EQ(deleteRiskRules(d.desk, {1, 2, 3}), 1);
    ASSERT_EQ(d.sent.size(), 2u);
    EXPECT_EQ(d.port.lastMessage().text, "已被加载");
    RiskRule kept;
    EXPECT_FALSE(cachedRule(d.desk, 1, kept));
    EXPECT_TRUE(cachedRule(d.desk, 2, kept) && cachedRule(d.desk, 3, kept));
}

TEST(RuleAssignment, DisplayRuleByTargetKind) {
    struct Case {
        int32_t selector;
        const char* groupText;
        bool sub, main, group;
    };
    const Case cases[] = {{1, "", true, false, false},
                          {0, "", false, true, false},
                          {0, "0101", false, true, true},
                          {5, "01", true, false, true}};
    for (const Case& c : cases) {
        AssignedRule entry;
        entry.accountSelector = c.selector;
        entry.groupSelector = c.groupText;
        EXPECT_EQ(listedForTarget(entry, RuleTargetKind::SubAccount), c.sub);
        EXPECT_EQ(listedForTarget(entry, RuleTargetKind::MainAccount), c.main);
        EXPECT_EQ(listedForTarget(entry, RuleTargetKind::Group), c.group);
    }
}

}  // namespace
}  // namespace korvant
