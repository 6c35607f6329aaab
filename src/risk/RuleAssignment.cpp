#include "risk/RuleAssignment.h"

#include <algorithm>

#include "app/desk/Desk.h"
#include "app/exchange/Change.h"
#include "app/exchange/DeskPagedQuery.h"
#include "app/session/Permissions.h"
#include "model/ListAnswer.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"
#include "risk/RiskArea.h"
#include "risk/RiskCategory.h"
#include "risk/RiskOperations.h"

namespace korvant {

namespace {

constexpr const char* BadAnswer = "  错误的数据包, 无法解析 !  ";

// 69 to 72: the answer is awaited; a refusal still shows the server's text.
ChangeSpec awaitedChange(uint8_t command, const std::string& title, const std::string& detail,
                         bool clears) {
    ChangeSpec spec;
    spec.title = title;
    spec.startDetail = detail;
    spec.startClears = clears;
    spec.exchange = ExchangeTexts::query(" 组包出错!!");
    spec.ack.title = title;
    spec.ack.failureRow = title + " " + detail + " 失败！";
    spec.ack.successRow = title + " " + detail + " 成功";
    spec.ack.parseFailed = BadAnswer;
    spec.judgement = Judgement::Custom;
    // Only an answer of the command itself, or an acknowledgement, speaks
    // of the change; anything else (a stray page of another list) is no
    // answer to it.
    spec.judge = [ack = spec.ack, command](Desk& d, std::span<const uint8_t> answer) {
        const int length = static_cast<int>(answer.size());
        if (ResultPacket::isResult(answer.data(), length) || answer[3] != command)
            return acknowledge(d, answer.data(), length, ack);
        d.statusList().append(ack.title, ack.successRow, false);
        return AckResult::Success;
    };
    return spec;
}

std::string targetText(const RuleTarget& target) {
    return assignmentCaption(target.kind).substr(std::string("风控设置").size()) + target.code;
}

// Every id is one of the target's loaded rules; otherwise says which is not.
bool allLoaded(Desk& desk, const RuleAssignment& assignment, const std::vector<int32_t>& ids) {
    for (int32_t id : ids)
        if (assignment.positionOf(id) == 0) {
            desk.port().error(textf("风控规则 %d 没有加载到%s", static_cast<int>(id),
                                    targetText(assignment.target).c_str()));
            return false;
        }
    return true;
}

bool reread(Desk& desk, RuleAssignment& assignment) {
    return readLoadedRules(desk, assignment.target, assignment.loaded);
}

}  // namespace

std::string assignmentCaption(RuleTargetKind kind) {
    if (kind == RuleTargetKind::MainAccount) return "风控设置(主账号)";
    if (kind == RuleTargetKind::Group) return "风控设置(组)";
    return "风控设置(子账号)";
}

int32_t accountLevelFor(RuleTargetKind kind) {
    return kind == RuleTargetKind::MainAccount ? 1 : 0;
}

bool listedForTarget(const AssignedRule& entry, RuleTargetKind kind) {
    if (kind == RuleTargetKind::MainAccount) return entry.accountSelector == 0;
    if (kind == RuleTargetKind::Group) return !entry.groupSelector.empty();
    return entry.accountSelector != 0;
}

bool readLoadedRules(Desk& desk, const RuleTarget& target, std::vector<AssignedRule>& out) {
    out.clear();
    PagedQuery query;
    query.command = cmd::AssignedRules;
    query.recordSize = AssignedRule::WireSize;
    query.requestPage = [&target](int page) { return writeAssignedRulesRequest(target, page); };
    query.parsePage = [&out, &target](const uint8_t* packet, int length) {
        const ListPage page = parseListPage(packet, length, AssignedRule::WireSize);
        for (int i = 0; i < page.count; ++i) {
            AssignedRule entry = parseAssignedRule(page.records + i * AssignedRule::WireSize);
            if (listedForTarget(entry, target.kind)) out.push_back(std::move(entry));
        }
    };
    PagedQueryTexts texts;
    texts.buildFailed = " 组包出错!!";
    texts.progress = "查询已加载的风控规则";
    return runDeskPagedQuery(desk, query, texts);
}

int32_t RuleAssignment::positionOf(int32_t id) const {
    for (std::size_t i = 0; i < loaded.size(); ++i)
        if (loaded[i].id == id) return static_cast<int32_t>(i + 1);
    return 0;
}

std::vector<int32_t> RuleAssignment::loadedIds() const {
    std::vector<int32_t> ids;
    for (const AssignedRule& entry : loaded) ids.push_back(entry.id);
    return ids;
}

int loadRules(Desk& desk, RuleAssignment& assignment, const std::vector<int32_t>& ids) {
    if (!gate(desk, GatedOperation::LoadRiskStrategy)) return 0;
    RiskRule rule;
    for (int32_t id : ids)
        if (!warehouseRule(desk, id, rule)) {
            refuseUnknownRule(desk, id);
            return 0;
        }
    int done = 0;
    for (int32_t id : ids) {
        warehouseRule(desk, id, rule);
        const auto position = static_cast<int32_t>(assignment.loaded.size() + 1);
        ChangeSpec spec =
            awaitedChange(cmd::LoadRiskRule, "加载风控规则",
                          targetText(assignment.target) + " " + rule.summary, done == 0);
        spec.request = [&] { return writeLoadRule(assignment.target, position, rule); };
        if (runChange(desk, spec).done) ++done;
        reread(desk, assignment);
    }
    return done;
}

int unloadRules(Desk& desk, RuleAssignment& assignment, const std::vector<int32_t>& ids) {
    if (!gate(desk, GatedOperation::LoadRiskStrategy) || !allLoaded(desk, assignment, ids))
        return 0;
    int done = 0;
    for (int32_t id : ids) {
        // The place the rule has now: an earlier unload moved the ones below.
        const int32_t position = assignment.positionOf(id);
        if (position == 0) continue;
        const auto count = static_cast<int32_t>(assignment.loaded.size());
        ChangeSpec spec =
            awaitedChange(cmd::UnloadRiskRule, "卸载风控规则",
                          targetText(assignment.target) + " " + std::to_string(id), done == 0);
        spec.request = [&] { return writeUnloadRule(assignment.target, id, position, count); };
        if (runChange(desk, spec).done) ++done;
        reread(desk, assignment);
    }
    return done;
}

bool moveLoadedRule(Desk& desk, RuleAssignment& assignment, int32_t id, bool up) {
    if (!gate(desk, GatedOperation::LoadRiskStrategy)) return false;
    if (!allLoaded(desk, assignment, {id})) return false;
    const int32_t position = assignment.positionOf(id);
    if (up && position == 1) return false;
    if (!up && position == static_cast<int32_t>(assignment.loaded.size())) return false;
    ChangeSpec spec = awaitedChange(up ? cmd::MoveRuleUp : cmd::MoveRuleDown,
                                    up ? "上移风控规则" : "下移风控规则",
                                    targetText(assignment.target) + " " + std::to_string(id), true);
    spec.request = [&] { return writeMoveRule(assignment.target, up, position); };
    const bool done = runChange(desk, spec).done;
    reread(desk, assignment);
    return done;
}

bool finishAssignment(Desk& desk, const RuleTarget& target) {
    ChangeSpec spec;
    spec.title = "风控设置";
    spec.startDetail = targetText(target);
    spec.exchange = ExchangeTexts::query("  组包出错!! ");
    spec.ack.title = spec.title;
    spec.ack.failureRow = targetText(target) + " 失败！";
    spec.ack.successRow = targetText(target) + " 完成";
    spec.ack.parseFailed = BadAnswer;
    spec.request = [&target] { return writeAssignmentDone(target); };
    spec.judgement = Judgement::Custom;
    spec.judge = [&spec](Desk& d, std::span<const uint8_t> answer) {
        const int length = static_cast<int>(answer.size());
        if (ResultPacket::isResult(answer.data(), length))
            return acknowledge(d, answer.data(), length, spec.ack);
        d.statusList().append(spec.title, spec.ack.failureRow, false);
        d.port().error(BadAnswer);
        return AckResult::ParseFailed;
    };
    return runChange(desk, spec).done;
}

int loadSelectedRules(Desk& desk, RuleAssignment& assignment, const std::vector<int32_t>& ids) {
    if (ids.empty()) {
        desk.port().info("请先在左侧列表选中要加载的风控规则。  ");
        return 0;
    }
    return loadRules(desk, assignment, ids);
}

int unloadSelectedRules(Desk& desk, RuleAssignment& assignment, const std::vector<int32_t>& ids) {
    if (ids.empty()) {
        desk.port().info("请先在右侧列表中选中要卸载的规则。  ");
        return 0;
    }
    // Nothing is asked about a rule the target does not hold.
    if (!gate(desk, GatedOperation::LoadRiskStrategy) || !allLoaded(desk, assignment, ids))
        return 0;
    if (!desk.port().askYesNo({"卸载当前选中的风控规则？  ", "提示", MessageIcon::Question, true}))
        return 0;
    return unloadRules(desk, assignment, ids);
}

bool moveSelectedRule(Desk& desk, RuleAssignment& assignment, const std::vector<int32_t>& ids,
                      bool up) {
    if (ids.empty()) {
        desk.port().info(up ? "请先在右侧列表中选中要上移的风控规则。  "
                            : "请先在右侧列表中选中要下移的风控规则。  ");
        return false;
    }
    return moveLoadedRule(desk, assignment, ids.front(), up);
}

std::vector<RiskRule> availableRules(const RuleAssignmentForm& form) {
    return ownRules(*form.desk, form.node);
}

void addRuleInAssignment(RuleAssignmentForm& form) {
    addRuleWithEditor(*form.desk, RulePlace::AssignmentDialog, form.node,
                      accountLevelFor(form.assignment->target.kind));
}

void modifyRuleInAssignment(RuleAssignmentForm& form, const std::vector<int32_t>& selected) {
    if (modifyRuleWithEditor(*form.desk, RulePlace::AssignmentDialog,
                             selected.empty() ? 0 : selected.front()))
        reread(*form.desk, *form.assignment);
}

void deleteRulesInAssignment(RuleAssignmentForm& form, const std::vector<int32_t>& selected) {
    deleteRulesAfterQuestion(*form.desk, RulePlace::AssignmentDialog, selected);
}

bool openRuleAssignment(Desk& desk, const RuleTarget& target) {
    if (!gate(desk, GatedOperation::LoadRiskStrategy)) return false;
    RuleAssignment assignment{target, {}};
    reread(desk, assignment);
    RuleAssignmentForm form;
    form.desk = &desk;
    form.assignment = &assignment;
    form.caption = assignmentCaption(target.kind);
    desk.port().editForm(form, [](Form&) { return true; });
    return finishAssignment(desk, target);
}

}  // namespace korvant
