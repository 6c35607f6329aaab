#include "risk/RiskRequests.h"

#include "protocol/CommandCode.h"

namespace korvant {

namespace {

// The add request is the rule's record with the header over the id.
constexpr auto addedRuleFields =
    RiskRule::wireFields.pick<1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18>();

// The fields the editor sets, in the modify request.
// clang-format off
constexpr auto modifiedRuleFields = wireLayout<2360>(
    wireField(&RiskRule::id, 4, 4),
    wireFilledText(&RiskRule::scope, 8, RuleScopeBytes),
    wireElement(&RiskRule::parameters, 0, 2056),
    wireElement(&RiskRule::parameters, 1, 2060),
    wireField(&RiskRule::forbidOpen, 2064, 4),
    wireField(&RiskRule::forbidClose, 2068, 4),
    wireField(&RiskRule::notifyMinutes, 2072, 4),
    wireField(&RiskRule::forceClosePercent, 2076, 4),
    wireField(&RiskRule::summary, 2080, RuleSummaryBytes),
    wireElement(&RiskRule::parameters, 2, 2336),
    wireElement(&RiskRule::parameters, 3, 2340),
    wireElement(&RiskRule::parameters, 4, 2344),
    wireElement(&RiskRule::parameters, 5, 2348),
    wireField(&RiskRule::windowStart, 2352, 4),
    wireField(&RiskRule::windowEnd, 2356, 4));

// The rule's fields in an entry of the command-68 answer.
constexpr auto assignedRuleFields = wireLayout<AssignedRule::WireSize>(
    wireField(&RiskRule::id, 0, 4),
    wireField(&RiskRule::category, 48, 4),
    wireFilledText(&RiskRule::scope, 56, RuleScopeBytes),
    wireElement(&RiskRule::parameters, 0, 2104),
    wireElement(&RiskRule::parameters, 1, 2108),
    wireElement(&RiskRule::parameters, 2, 2112),
    wireField(&RiskRule::forbidOpen, 2116, 4),
    wireField(&RiskRule::forbidClose, 2120, 4),
    wireField(&RiskRule::summary, 2124, RuleSummaryBytes),
    wireElement(&RiskRule::parameters, 3, 2380),
    wireElement(&RiskRule::parameters, 4, 2384),
    wireElement(&RiskRule::parameters, 5, 2388),
    wireField(&RiskRule::notifyMinutes, 2392, 4),
    wireField(&RiskRule::forceClosePercent, 2396, 4),
    wireField(&RiskRule::windowStart, 2400, 4),
    wireField(&RiskRule::windowEnd, 2404, 4));

// Where a rule is loaded; the rule's fields follow in the same request.
struct RuleLoad {
    RuleTargetKind kind;
    int32_t position;
    std::string code;

    static constexpr auto wireFields = wireLayout<2396>(
        wireField(&RuleLoad::kind, 4, 4),
        wireField(&RuleLoad::position, 8, 4),
        wireField(&RuleLoad::code, 16, 16));
};

// The rule's fields in the load request.
constexpr auto loadedRuleFields = wireLayout<RuleLoad::wireFields.wireSize>(
    wireField(&RiskRule::kind, 12, 4),
    wireField(&RiskRule::category, 32, 4),
    wireFilledText(&RiskRule::scope, 40, RuleScopeBytes),
    wireElement(&RiskRule::parameters, 0, 2088),
    wireElement(&RiskRule::parameters, 1, 2092),
    wireElement(&RiskRule::parameters, 2, 2096),
    wireField(&RiskRule::forbidOpen, 2100, 4),
    wireField(&RiskRule::forbidClose, 2104, 4),
    wireField(&RiskRule::summary, 2108, RuleSummaryBytes),
    wireElement(&RiskRule::parameters, 3, 2364),
    wireElement(&RiskRule::parameters, 4, 2368),
    wireElement(&RiskRule::parameters, 5, 2372),
    wireField(&RiskRule::notifyMinutes, 2376, 4),
    wireField(&RiskRule::forceClosePercent, 2380, 4),
    wireField(&RiskRule::windowStart, 2384, 4),
    wireField(&RiskRule::windowEnd, 2388, 4),
    wireField(&RiskRule::id, 2392, 4));

// The requests about a target: the target, then what is asked of it.
struct TargetPage {
    RuleTargetKind kind;
    std::string code;
    int32_t page;

    static constexpr auto wireFields = wireLayout<32>(
        wireField(&TargetPage::kind, 4, 4),
        wireField(&TargetPage::code, 8, 16),
        wireField(&TargetPage::page, 24, 4));
};

struct RuleUnload {
    RuleTargetKind kind;
    std::string code;
    int32_t id;
    int32_t position;
    int32_t count;

    static constexpr auto wireFields = wireLayout<36>(
        wireField(&RuleUnload::kind, 4, 4),
        wireField(&RuleUnload::code, 8, 16),
        wireField(&RuleUnload::id, 24, 4),
        wireField(&RuleUnload::position, 28, 4),
        wireField(&RuleUnload::count, 32, 4));
};

struct RuleMove {
    RuleTargetKind kind;
    std::string code;
    int32_t position;

    static constexpr auto wireFields = wireLayout<28>(
        wireField(&RuleMove::kind, 4, 4),
        wireField(&RuleMove::code, 8, 16),
        wireField(&RuleMove::position, 24, 4));
};
// clang-format on

struct AssignmentDone {
    RuleTargetKind kind;
    std::string code;

    static constexpr auto wireFields = wireLayout<24>(wireField(&AssignmentDone::kind, 4, 4),
                                                      wireField(&AssignmentDone::code, 8, 16));
};

}  // namespace

AssignedRule parseAssignedRule(const uint8_t* record) {
    AssignedRule a = decodeWire<AssignedRule>(record);
    readWire<assignedRuleFields>(record, a.rule);
    return a;
}

std::vector<uint8_t> writeAddRule(const RiskRule& rule) {
    return writeRequest<addedRuleFields>(cmd::AddRiskRule, rule);
}

std::vector<uint8_t> writeModifyRule(int32_t id, const RiskRule& rule) {
    RiskRule modified = rule;
    modified.id = id;
    return writeRequest<modifiedRuleFields>(cmd::ModifyRiskRule, modified);
}

std::vector<uint8_t> writeDeleteRule(int32_t id) {
    RiskRule deleted;
    deleted.id = id;
    static constexpr auto fields = wireLayout<8>(wireField(&RiskRule::id, 4, 4));
    return writeRequest<fields>(cmd::DeleteRiskRule, deleted);
}

std::vector<uint8_t> writeAssignedRulesRequest(const RuleTarget& target, int page) {
    return writeRequest(cmd::AssignedRules, TargetPage{target.kind, target.code, page});
}

std::vector<uint8_t> writeLoadRule(const RuleTarget& target, int32_t position,
                                   const RiskRule& rule) {
    std::vector<uint8_t> packet =
        writeRequest(cmd::LoadRiskRule, RuleLoad{target.kind, position, target.code});
    writeFields<loadedRuleFields>(rule, packet.data());
    return packet;
}

std::vector<uint8_t> writeUnloadRule(const RuleTarget& target, int32_t id, int32_t position,
                                     int32_t count) {
    return writeRequest(cmd::UnloadRiskRule,
                        RuleUnload{target.kind, target.code, id, position, count});
}

std::vector<uint8_t> writeMoveRule(const RuleTarget& target, bool up, int32_t position) {
    return writeRequest(up ? cmd::MoveRuleUp : cmd::MoveRuleDown,
                        RuleMove{target.kind, target.code, position});
}

std::vector<uint8_t> writeAssignmentDone(const RuleTarget& target) {
    return writeRequest(cmd::RuleAssignmentDone, AssignmentDone{target.kind, target.code});
}

}  // namespace korvant
