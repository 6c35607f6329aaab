#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "risk/RiskRule.h"

// The rule warehouse's changes. The three core operations take what they
// act on and the values to send; the editor flows check the permission and
// the choice, open the editor and call them, with the texts of the place
// they are started from.
namespace korvant {

class Desk;

// Where an operation was started: its permission texts and messages differ
// (the warehouse of the risk view, or the rule-assignment dialog).
enum class RulePlace { Warehouse, AssignmentDialog };

// Each of the three changes first checks its permission (the place's text);
// modify and delete then check that every rule is one of the warehouse.

// Command 60: adds a rule with the given values (kind, account level,
// category, scope, parameters, flags, interval, share, summary, window);
// the owner is the logged-in administrator. On success the rule goes to the
// warehouse cache with the id the server answered; that id is returned.
std::optional<int32_t> addRiskRule(Desk& desk, const RiskRule& values,
                                   RulePlace place = RulePlace::Warehouse);

// Command 61: changes rule `id` (scope, parameters, flags, interval, share,
// summary, window); on success the cached rule takes the values.
bool modifyRiskRule(Desk& desk, int32_t id, const RiskRule& values,
                    RulePlace place = RulePlace::Warehouse);

// Command 62 for each id in order; each accepted one leaves the cache, the
// first refused or failed one ends the loop. Returns the number deleted.
int deleteRiskRules(Desk& desk, const std::vector<int32_t>& ids,
                    RulePlace place = RulePlace::Warehouse);

// The refusal of a rule id that is not in the warehouse: "没有风控规则 ID"
// (error icon); false.
bool refuseUnknownRule(Desk& desk, int32_t id);

// "新建": the permission, a category above 0, the category's dialog, then
// addRiskRule with `accountLevel`. Returns the new id.
std::optional<int32_t> addRuleWithEditor(Desk& desk, RulePlace place, int32_t category,
                                         int32_t accountLevel);
// "修改": the permission, a selected rule (`id` 0: none), its dialog filled
// from the cache, then modifyRiskRule.
bool modifyRuleWithEditor(Desk& desk, RulePlace place, int32_t id);
// "删除": the permission, a selection of rules of the warehouse, the
// question, then deleteRiskRules.
int deleteRulesAfterQuestion(Desk& desk, RulePlace place, const std::vector<int32_t>& ids);

// The rule as its dialog returns it (category 2: the "交易品种" dialog, other
// categories: the generic dialog), filled from `rule` when given; nothing
// when cancelled.
std::optional<RiskRule> editRule(Desk& desk, int32_t category, const RiskRule* rule);

}  // namespace korvant
