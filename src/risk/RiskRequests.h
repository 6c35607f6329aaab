#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/WireFields.h"
#include "risk/RiskRule.h"

// Request writers and answer parsers of the rule warehouse (60, 61, 62) and
// of the rules loaded onto a target (68 to 72, 83). Each writer returns the
// whole packet, sized by its layout.
namespace korvant {

// The kind of target a rule is loaded onto, as sent.
enum class RuleTargetKind : int32_t { SubAccount = 0, MainAccount = 1, Group = 2 };

struct RuleTarget {
    RuleTargetKind kind = RuleTargetKind::SubAccount;
    std::string code;  // sub-account, main account or group code
};

// One entry of the command-68 answer: where the rule is loaded, and the
// rule's fields copied there (id, category, scope, …, summary).
struct AssignedRule {
    static constexpr int WireSize = 2408;

    int32_t id = 0;
    int32_t accountSelector = 0;
    std::string code;
    std::string groupSelector;
    RiskRule rule;

    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&AssignedRule::id, 0, 4), wireField(&AssignedRule::accountSelector, 12, 4),
        wireField(&AssignedRule::code, 16, 16), wireField(&AssignedRule::groupSelector, 32, 16));
};
AssignedRule parseAssignedRule(const uint8_t* record);

// Command 60: the rule's record.
std::vector<uint8_t> writeAddRule(const RiskRule& rule);
// Command 61: the fields the editor sets, of the rule `id`.
std::vector<uint8_t> writeModifyRule(int32_t id, const RiskRule& rule);
// Command 62.
std::vector<uint8_t> writeDeleteRule(int32_t id);
// Command 68: one page of the rules loaded onto `target`.
std::vector<uint8_t> writeAssignedRulesRequest(const RuleTarget& target, int page);
// Command 69: loads `rule` onto `target` at `position`.
std::vector<uint8_t> writeLoadRule(const RuleTarget& target, int32_t position,
                                   const RiskRule& rule);
// Command 70: unloads `count` rules from `position` on.
std::vector<uint8_t> writeUnloadRule(const RuleTarget& target, int32_t id, int32_t position,
                                     int32_t count);
// Command 71 (up) or 72 (down).
std::vector<uint8_t> writeMoveRule(const RuleTarget& target, bool up, int32_t position);
// Command 83.
std::vector<uint8_t> writeAssignmentDone(const RuleTarget& target);

}  // namespace korvant
