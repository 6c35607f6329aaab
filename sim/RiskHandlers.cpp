#include <algorithm>

#include "Dispatcher.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "PageSizes.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"

// Risk rules: the warehouse of each administrator's group (add, change,
// delete) and the ordered lists of rules loaded onto sub-accounts, main
// accounts and groups (list, load, unload, move, editing done).
namespace korvant::sim {
namespace {

constexpr uint32_t RiskPermission = 0x200;
constexpr int AssignedRuleSize = 2408;

using TargetKey = std::pair<int32_t, std::string>;

int32_t ownerGroup(Context& c) {
    const Administrator* a = operatorOf(c);
    return a != nullptr ? a->groupId : 0;
}

RiskRule* findRule(Context& c, int32_t id) {
    for (RiskRule& rule : c.state.riskRules)
        if (rule.id == id) return &rule;
    return nullptr;
}

// The rule of a change request: a rule of the operator's own warehouse.
std::string checkOwnRule(Context& c, int32_t id, RiskRule*& rule) {
    if (!permitted(c, RiskPermission)) return "没有风控设置的权限";
    rule = findRule(c, id);
    if (rule == nullptr) return format("风控规则 %d 不存在", id);
    if (rule->owner != ownerGroup(c)) return "不能修改其他管理员的风控规则";
    return {};
}

// The target of a request: kind at 4, code at `codeOffset`.
std::string checkTarget(const Request& r, Context& c, int codeOffset, TargetKey& key) {
    if (!permitted(c, RiskPermission)) return "没有风控设置的权限";
    key = {r.i32(4), r.text(codeOffset, 16)};
    switch (key.first) {
        case 0: {
            int32_t number = 0;
            const SubAccount* a =
                parseAccountNumber(key.second, number) ? c.state.findSubAccount(number) : nullptr;
            if (a == nullptr) return format("子账号 %s 不存在", key.second.c_str());
            if (!manages(c, a->groupId)) return "不能管理其他组的子账号";
            return {};
        }
        case 1: {
            const MainAccount* m = c.state.findMainAccount(key.second);
            if (m == nullptr) return format("主账号 %s 不存在", key.second.c_str());
            if (!manages(c, m->groupId)) return "不能管理其他组的主账号";
            return {};
        }
        case 2: {
            const Group* g = c.state.findGroupByCode(key.second);
            if (g == nullptr || g->code.empty()) return format("组 %s 不存在", key.second.c_str());
            if (!manages(c, g->id)) return "不能管理其他组";
            return {};
        }
        default:
            return "错误的目标类型";
    }
}

// 60: the rule record behind the header; the answer carries the new id.
Answer addRule(const Request& r, Context& c) {
    if (!permitted(c, RiskPermission)) return refusal("没有添加风控规则的权限");
    RiskRule rule;
    rule.kind = r.i32(4);
    rule.accountLevel = r.i32(8) == 1 ? 1 : 0;
    rule.category = r.i32(12);
    rule.scope = r.text(20, 2048);
    rule.parameters = {r.i32(2068), r.i32(2072), r.i32(2076),
                       r.i32(2356), r.i32(2360), r.i32(2364)};
    rule.forbidOpen = r.i32(2080);
    rule.forbidClose = r.i32(2084);
    rule.notifyMinutes = r.i32(2088);
    rule.forceCloseShare = r.i32(2092);
    rule.summary = r.text(2096, 256);
    rule.owner = ownerGroup(c);
    rule.windowStart = r.i32(2368);
    rule.windowEnd = r.i32(2372);
    if (rule.category < 1 || rule.category > 15) return refusal("错误的风控类别");
    if (rule.summary.empty()) return refusal("风控规则说明不能为空");
    int32_t id = 1;
    for (const RiskRule& other : c.state.riskRules) id = std::max(id, other.id + 1);
    rule.id = id;
    c.state.riskRules.push_back(rule);
    return valueAnswer(cmd::AddRiskRule, id);
}

void copyChange(const Request& r, RiskRule& rule) {
    rule.scope = r.text(8, 2048);
    rule.parameters = {r.i32(2056), r.i32(2060), r.i32(2336),
                       r.i32(2340), r.i32(2344), r.i32(2348)};
    rule.forbidOpen = r.i32(2064);
    rule.forbidClose = r.i32(2068);
    rule.notifyMinutes = r.i32(2072);
    rule.forceCloseShare = r.i32(2076);
    rule.summary = r.text(2080, 256);
    rule.windowStart = r.i32(2352);
    rule.windowEnd = r.i32(2356);
}

// 61: rule id at 4; the loaded copies change with it.
Answer modifyRule(const Request& r, Context& c) {
    RiskRule* rule = nullptr;
    std::string problem = checkOwnRule(c, r.i32(4), rule);
    if (!problem.empty()) return refusal(problem);
    if (r.text(2080, 256).empty()) return refusal("风控规则说明不能为空");
    copyChange(r, *rule);
    for (auto& [key, list] : c.state.loadedRules)
        for (RiskRule& copy : list)
            if (copy.id == rule->id) copyChange(r, copy);
    return done();
}

// 62: rule id at 4; a rule loaded anywhere stays.
Answer deleteRule(const Request& r, Context& c) {
    RiskRule* rule = nullptr;
    std::string problem = checkOwnRule(c, r.i32(4), rule);
    if (!problem.empty()) return refusal(problem);
    for (const auto& [key, list] : c.state.loadedRules)
        for (const RiskRule& copy : list)
            if (copy.id == rule->id)
                return refusal(format("风控规则 %d 已被加载, 不能删除", rule->id));
    const int32_t id = rule->id;
    auto& rules = c.state.riskRules;
    rules.erase(
        std::remove_if(rules.begin(), rules.end(), [id](const RiskRule& x) { return x.id == id; }),
        rules.end());
    return done();
}

void writeAssigned(uint8_t* p, const RiskRule& rule, const TargetKey& key, bool own) {
    putI32(p, rule.id);
    putI32(p + 4, rule.kind);
    putI32(p + 8, rule.accountLevel);
    // Accounts tell their own entries by a selector at 12, groups by their
    // code at 32; inherited entries carry neither.
    if (own && key.first == 0) putI32(p + 12, 1);
    writePlainText(p + 16, 16, key.second);
    if (own && key.first == 2) writePlainText(p + 32, 16, key.second);
    putI32(p + 48, rule.category);
    const std::string scope = toGbk(rule.scope);
    std::copy_n(scope.begin(), std::min<std::size_t>(scope.size(), 2048), p + 56);
    putI32(p + 2104, rule.parameters[0]);
    putI32(p + 2108, rule.parameters[1]);
    putI32(p + 2112, rule.parameters[2]);
    putI32(p + 2116, rule.forbidOpen);
    putI32(p + 2120, rule.forbidClose);
    writePlainText(p + 2124, 256, rule.summary);
    putI32(p + 2380, rule.parameters[3]);
    putI32(p + 2384, rule.parameters[4]);
    putI32(p + 2388, rule.parameters[5]);
    putI32(p + 2392, rule.notifyMinutes);
    putI32(p + 2396, rule.forceCloseShare);
    putI32(p + 2400, rule.windowStart);
    putI32(p + 2404, rule.windowEnd);
}

// 68: the target's own rules, then (for a sub-account) those of its group,
// which a sub-account's list does not show.
Answer assignedRules(const Request& r, Context& c) {
    TargetKey key;
    std::string problem = checkTarget(r, c, 8, key);
    if (!problem.empty()) return refusal(problem);
    struct Entry {
        const RiskRule* rule;
        bool own;
    };
    std::vector<Entry> entries;
    const auto own = c.state.loadedRules.find(key);
    if (own != c.state.loadedRules.end())
        for (const RiskRule& rule : own->second) entries.push_back({&rule, true});
    int32_t number = 0;
    if (key.first == 0 && parseAccountNumber(key.second, number)) {
        const SubAccount* a = c.state.findSubAccount(number);
        const Group* g = a != nullptr ? c.state.findGroup(a->groupId) : nullptr;
        const auto inherited =
            g != nullptr ? c.state.loadedRules.find({2, g->code}) : c.state.loadedRules.end();
        if (inherited != c.state.loadedRules.end())
            for (const RiskRule& rule : inherited->second) entries.push_back({&rule, false});
    }
    return pageAnswer(cmd::AssignedRules, AssignedRuleSize, page::AssignedRules, r.i32(24),
                      static_cast<int>(entries.size()), [&](uint8_t* p, int i) {
                          const Entry& e = entries[static_cast<std::size_t>(i)];
                          writeAssigned(p, *e.rule, key, e.own);
                      });
}

// 69: the warehouse rule (id at 2392) goes to place `position` (1-based).
Answer loadRule(const Request& r, Context& c) {
    TargetKey key;
    std::string problem = checkTarget(r, c, 16, key);
    if (!problem.empty()) return refusal(problem);
    const RiskRule* rule = findRule(c, r.i32(2392));
    if (rule == nullptr) return refusal(format("风控规则 %d 不存在", r.i32(2392)));
    auto& list = c.state.loadedRules[key];
    if (std::any_of(list.begin(), list.end(), [&](const RiskRule& x) { return x.id == rule->id; }))
        return refusal("该风控规则已加载");
    const int32_t position =
        std::clamp<int32_t>(r.i32(8), 1, static_cast<int32_t>(list.size()) + 1);
    list.insert(list.begin() + (position - 1), *rule);
    return done();
}

// 70: rule id at 24, its place at 28, the client's count at 32. A place that
// does not hold the rule is refused: nothing else is ever unloaded.
Answer unloadRule(const Request& r, Context& c) {
    TargetKey key;
    std::string problem = checkTarget(r, c, 8, key);
    if (!problem.empty()) return refusal(problem);
    auto& list = c.state.loadedRules[key];
    const int32_t id = r.i32(24);
    const int32_t position = r.i32(28);
    if (position < 1 || position > static_cast<int32_t>(list.size()) ||
        list[static_cast<std::size_t>(position - 1)].id != id)
        return refusal(format("第 %d 条不是风控规则 %d", position, id));
    list.erase(list.begin() + (position - 1));
    return done();
}

// 71 / 72: the rule at `position` (at 24) changes place with its neighbour.
Answer moveRule(const Request& r, Context& c, bool up) {
    TargetKey key;
    std::string problem = checkTarget(r, c, 8, key);
    if (!problem.empty()) return refusal(problem);
    auto& list = c.state.loadedRules[key];
    const int32_t position = r.i32(24);
    const int32_t other = up ? position - 1 : position + 1;
    const auto size = static_cast<int32_t>(list.size());
    if (position < 1 || position > size || other < 1 || other > size)
        return refusal("无法移动该风控规则");
    std::swap(list[static_cast<std::size_t>(position - 1)],
              list[static_cast<std::size_t>(other - 1)]);
    return done();
}

Answer assignmentDone(const Request& r, Context& c) {
    TargetKey key;
    std::string problem = checkTarget(r, c, 8, key);
    if (!problem.empty()) return refusal(problem);
    return done();
}

}  // namespace

void addRiskHandlers(Dispatcher& d) {
    d.add({cmd::AddRiskRule, 2376, false, RefusalStyle::Result, addRule});
    d.add({cmd::ModifyRiskRule, 2360, false, RefusalStyle::Result, modifyRule});
    d.add({cmd::DeleteRiskRule, 8, false, RefusalStyle::Result, deleteRule});
    d.add({cmd::AssignedRules, 32, false, RefusalStyle::Result, assignedRules});
    d.add({cmd::LoadRiskRule, 2396, false, RefusalStyle::Result, loadRule});
    d.add({cmd::UnloadRiskRule, 36, false, RefusalStyle::Result, unloadRule});
    d.add({cmd::MoveRuleUp, 28, false, RefusalStyle::Result,
           [](const Request& r, Context& c) { return moveRule(r, c, true); }});
    d.add({cmd::MoveRuleDown, 28, false, RefusalStyle::Result,
           [](const Request& r, Context& c) { return moveRule(r, c, false); }});
    d.add({cmd::RuleAssignmentDone, 24, false, RefusalStyle::Result, assignmentDone});
}

}  // namespace korvant::sim
