#pragma once

#include <cstdint>
#include <string>

#include "risk/RiskRule.h"

// Request writers and answer parsers of the rule warehouse (60, 61, 62) and
// of the rules loaded onto a target (68 to 72, 83). Each writer fills the
// caller's buffer and returns the packet size, or -1 when it does not fit.
namespace korvant {

inline constexpr int LoadRuleSize = 2396;
inline constexpr int UnloadRuleSize = 36;
inline constexpr int AssignedRuleWireSize = 2408;
inline constexpr int TargetCodeBytes = 16;  // at most 15 bytes of code

// The kind of target a rule is loaded onto, as sent.
enum class RuleTargetKind : int32_t { SubAccount = 0, MainAccount = 1, Group = 2 };

struct RuleTarget {
    RuleTargetKind kind = RuleTargetKind::SubAccount;
    std::string code;  // sub-account, main account or group code
};

// One entry of the command-68 answer.
struct AssignedRule {
    int32_t id = 0;
    int32_t accountSelector = 0;  // offset 12
    std::string code;             // offset 16
    std::string groupSelector;    // offset 32
    RiskRule rule;                // the copied fields (id, category, scope, …, summary)
};
AssignedRule parseAssignedRule(const uint8_t* record);

// Command 60, 2376 bytes: the record behind the header.
int writeAddRule(const RiskRule& rule, uint8_t* buffer, int capacity);
// Command 61, 2360 bytes.
int writeModifyRule(int32_t id, const RiskRule& rule, uint8_t* buffer, int capacity);
// Command 62, 8 bytes.
int writeDeleteRule(int32_t id, uint8_t* buffer, int capacity);
// Command 68, 32 bytes.
int writeAssignedRulesRequest(const RuleTarget& target, int page, uint8_t* buffer, int capacity);
int writeLoadRule(const RuleTarget& target, int32_t position, const RiskRule& rule, uint8_t* buffer,
                  int capacity);
int writeUnloadRule(const RuleTarget& target, int32_t id, int32_t position, int32_t count,
                    uint8_t* buffer, int capacity);
// Command 71 (up) or 72 (down), 28 bytes.
int writeMoveRule(const RuleTarget& target, bool up, int32_t position, uint8_t* buffer,
                  int capacity);
// Command 83, 24 bytes.
int writeAssignmentDone(const RuleTarget& target, uint8_t* buffer, int capacity);

}  // namespace korvant
