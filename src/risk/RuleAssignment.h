#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/port/FrontEndPort.h"
#include "risk/RiskRequests.h"
#include "risk/RiskRule.h"

// The rules loaded onto a target (a sub-account, a main account or a
// group), in the server's order: reading them, loading rules at the end,
// unloading, moving up and down, and telling the server when the editing is
// over. Each operation takes the target and the rule ids it acts on.
namespace korvant {

class Desk;

// "风控设置(子账号)", "风控设置(主账号)", "风控设置(组)".
std::string assignmentCaption(RuleTargetKind kind);
// Rules created for a main account are main-account rules (1), others 0.
int32_t accountLevelFor(RuleTargetKind kind);
// Whether a command-68 entry is listed for the target kind: main accounts
// the entries whose selector at 12 is 0, groups those with a text at 32,
// sub-accounts those whose selector at 12 is not 0.
bool listedForTarget(const AssignedRule& entry, RuleTargetKind kind);

// The loaded rules of one target as listed: every page of command 68, the
// display rule applied. A request that cannot be built and a lost
// connection end the program; an answer that is not a page shows its
// message and gives false.
bool readLoadedRules(Desk& desk, const RuleTarget& target, std::vector<AssignedRule>& out);

// The state of one assignment: the target and its listed rules.
struct RuleAssignment {
    RuleTarget target;
    std::vector<AssignedRule> loaded;

    // 1-based place of a rule in the list; 0 when not listed.
    int32_t positionOf(int32_t id) const;
    std::vector<int32_t> loadedIds() const;
};

// Command 69 for each warehouse rule in order, at the end of the list
// (position = listed count + 1), the list read again after each. Ids not in
// the warehouse cache are skipped. Returns the number loaded.
int loadRules(Desk& desk, RuleAssignment& assignment, const std::vector<int32_t>& ids);
// Command 70 for each id in order, with the rule's place in the list as it
// is now (read again after each) and the list's size; ids no longer listed
// are skipped. Returns the number unloaded.
int unloadRules(Desk& desk, RuleAssignment& assignment, const std::vector<int32_t>& ids);
// Command 71 or 72 for the rule; nothing for the first rule up or the last
// one down. True when sent.
bool moveLoadedRule(Desk& desk, RuleAssignment& assignment, int32_t id, bool up);
// Command 83: the target's list was edited; the answer goes to the
// dispatcher.
bool finishAssignment(Desk& desk, const RuleTarget& target);

// The dialog's buttons with their messages: nothing selected says so;
// unloading asks first; moving takes the first selected rule.
int loadSelectedRules(Desk& desk, RuleAssignment& assignment, const std::vector<int32_t>& ids);
int unloadSelectedRules(Desk& desk, RuleAssignment& assignment, const std::vector<int32_t>& ids);
bool moveSelectedRule(Desk& desk, RuleAssignment& assignment, const std::vector<int32_t>& ids,
                      bool up);

// The assignment dialog's form: the core state the dialog draws and acts
// on; the chosen tree node filters the warehouse list.
struct RuleAssignmentForm final : Form {
    static constexpr const char* Kind = "riskAssignment";
    const char* kind() const override { return Kind; }
    Desk* desk = nullptr;
    RuleAssignment* assignment = nullptr;
    int32_t node = -1;
    std::string caption;
};

// The warehouse rules of the chosen node (the left list).
std::vector<RiskRule> availableRules(const RuleAssignmentForm& form);
// "新建", "修改", "删除" of the dialog; the loaded rules are read again
// after a change (their copies show the new summary).
void addRuleInAssignment(RuleAssignmentForm& form);
void modifyRuleInAssignment(RuleAssignmentForm& form, const std::vector<int32_t>& selected);
void deleteRulesInAssignment(RuleAssignmentForm& form, const std::vector<int32_t>& selected);

// "加载风控策略": the permission ("  没有权限加载风控策略"), the loaded rules,
// the dialog, then command 83 once it is closed.
bool openRuleAssignment(Desk& desk, const RuleTarget& target);

}  // namespace korvant
