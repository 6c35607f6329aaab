#include "risk/RiskOperations.h"

#include <algorithm>

#include "app/desk/Desk.h"
#include "app/exchange/Change.h"
#include "app/session/Permissions.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"
#include "risk/RiskArea.h"
#include "risk/RiskCategory.h"
#include "risk/RiskRequests.h"
#include "risk/RuleForms.h"

namespace korvant {

namespace {

constexpr const char* BadAnswer = "  错误的数据包, 无法解析 !  ";

ChangeSpec ruleChange(const std::string& title, const std::string& summary) {
    ChangeSpec spec;
    spec.title = title;
    spec.startDetail = summary;
    spec.exchange = ExchangeTexts::operation("   组包出错! ");
    spec.exchange.sendFailed.text = "   发送数据出错! ";
    spec.ack.title = title;
    spec.ack.failureRow = title + " " + summary + " 失败！";
    spec.ack.successRow = title + " " + summary + " 成功";
    spec.ack.parseFailed = BadAnswer;
    spec.ack.notAcknowledged = BadAnswer;
    return spec;
}

RecordArray<RiskStrategy>& cache(Desk& desk) {
    return desk.reference().riskStrategies.records;
}

void changed(Desk& desk) {
    riskArea(desk).page.refresh(desk);
    desk.notify(DeskChange::RiskStrategies);
}

GatedOperation addGate(RulePlace place) {
    return place == RulePlace::Warehouse ? GatedOperation::AddRiskStrategy
                                         : GatedOperation::AddRiskRule;
}

GatedOperation modifyGate(RulePlace place) {
    return place == RulePlace::Warehouse ? GatedOperation::ModifyRiskStrategy
                                         : GatedOperation::ModifyRiskRule;
}

GatedOperation deleteGate(RulePlace place) {
    return place == RulePlace::Warehouse ? GatedOperation::DeleteRiskStrategy
                                         : GatedOperation::DeleteRiskRule;
}

bool allInWarehouse(Desk& desk, const std::vector<int32_t>& ids) {
    RiskRule rule;
    for (int32_t id : ids)
        if (!warehouseRule(desk, id, rule)) return refuseUnknownRule(desk, id);
    return true;
}

}  // namespace

bool refuseUnknownRule(Desk& desk, int32_t id) {
    desk.port().error(textf("没有风控规则 %d", static_cast<int>(id)));
    return false;
}

std::optional<int32_t> addRiskRule(Desk& desk, const RiskRule& values, RulePlace place) {
    if (!gate(desk, addGate(place))) return std::nullopt;
    RiskRule rule = values;
    rule.owner = desk.session().ownGroupId;
    rule.id = 0;
    ChangeSpec spec = ruleChange("添加风控规则", rule.summary);
    spec.request = [&rule] { return writeAddRule(rule); };
    // The new rule's id comes in an answer of command 60; a command-0 answer
    // is a refusal (or says nothing about the id).
    int32_t newId = 0;
    spec.judgement = Judgement::Custom;
    spec.judge = [&spec, &newId](Desk& d, std::span<const uint8_t> answer) {
        const int length = static_cast<int>(answer.size());
        if (ResultPacket::isResult(answer.data(), length) &&
            ResultPacket::parse(answer.data(), length).status != 0)
            return acknowledge(d, answer.data(), length, spec.ack);
        if (length < 8 || answer[3] != cmd::AddRiskRule || getI32(answer.data() + 4) <= 0) {
            d.statusList().append(spec.title, spec.ack.failureRow, false);
            d.port().error(BadAnswer);
            return AckResult::ParseFailed;
        }
        newId = getI32(answer.data() + 4);
        d.statusList().append(spec.title, spec.ack.successRow, false);
        return AckResult::Success;
    };
    if (!runChange(desk, spec).done) return std::nullopt;
    rule.id = newId;
    cache(desk).push_back(toRiskStrategy(rule));
    changed(desk);
    return newId;
}

bool modifyRiskRule(Desk& desk, int32_t id, const RiskRule& values, RulePlace place) {
    if (!gate(desk, modifyGate(place)) || !allInWarehouse(desk, {id})) return false;
    ChangeSpec spec = ruleChange("修改风控规则", values.summary);
    spec.request = [id, &values] { return writeModifyRule(id, values); };
    if (!runChange(desk, spec).done) return false;
    // The record takes the edited values; what the editor does not set
    // (id, kind, level, category, owner) stays.
    for (RiskStrategy& s : cache(desk)) {
        const RiskRule kept = parseRiskRule(s);
        if (kept.id != id) continue;
        RiskRule rule = values;
        rule.id = kept.id;
        rule.kind = kept.kind;
        rule.accountLevel = kept.accountLevel;
        rule.category = kept.category;
        rule.owner = kept.owner;
        s = toRiskStrategy(rule);
    }
    changed(desk);
    return true;
}

int deleteRiskRules(Desk& desk, const std::vector<int32_t>& ids, RulePlace place) {
    if (!gate(desk, deleteGate(place)) || !allInWarehouse(desk, ids)) return 0;
    int deleted = 0;
    for (int32_t id : ids) {
        ChangeSpec spec = ruleChange("删除风控规则", std::to_string(id));
        spec.startClears = deleted == 0;
        spec.exchange = ExchangeTexts::query("  组包出错!! ");
        spec.request = [id] { return writeDeleteRule(id); };
        if (!runChange(desk, spec).done) break;
        auto& records = cache(desk);
        records.erase(
            std::remove_if(records.begin(), records.end(),
                           [id](const RiskStrategy& s) { return parseRiskRule(s).id == id; }),
            records.end());
        ++deleted;
    }
    changed(desk);
    return deleted;
}

std::optional<RiskRule> editRule(Desk& desk, int32_t category, const RiskRule* rule) {
    FrontEndPort& port = desk.port();
    if (category == ProductCategory) {
        ProductRuleForm form = makeProductRuleForm(desk.reference(), rule);
        if (!port.editForm(
                form, [&port](ProductRuleForm& f) { return validateProductRuleForm(port, f); }))
            return std::nullopt;
        return form.result;
    }
    GenericRuleForm form =
        makeGenericRuleForm(desk.reference(), readRuleCatalogue(desk), category, rule);
    form.port = &port;
    if (!port.editForm(form,
                       [&port](GenericRuleForm& f) { return validateGenericRuleForm(port, f); }))
        return std::nullopt;
    return form.result;
}

std::optional<int32_t> addRuleWithEditor(Desk& desk, RulePlace place, int32_t category,
                                         int32_t accountLevel) {
    const bool warehouse = place == RulePlace::Warehouse;
    if (!gate(desk, addGate(place))) return std::nullopt;
    if (category <= 0) {
        desk.port().info(warehouse ? "请选择要添加的风控类别" : "请先选择要添加的风控类别。  ");
        return std::nullopt;
    }
    std::optional<RiskRule> rule = editRule(desk, category, nullptr);
    if (!rule) return std::nullopt;
    rule->accountLevel = accountLevel;
    return addRiskRule(desk, *rule, place);
}

bool modifyRuleWithEditor(Desk& desk, RulePlace place, int32_t id) {
    const bool warehouse = place == RulePlace::Warehouse;
    if (!gate(desk, modifyGate(place))) return false;
    RiskRule rule;
    if (id == 0 || !warehouseRule(desk, id, rule)) {
        desk.port().info(warehouse ? "请选择要修改的风控策略"
                                   : "请先在左侧窗口中选中要修改的风控规则。  ");
        return false;
    }
    std::optional<RiskRule> values = editRule(desk, rule.category, &rule);
    if (!values) return false;
    return modifyRiskRule(desk, id, *values, place);
}

int deleteRulesAfterQuestion(Desk& desk, RulePlace place, const std::vector<int32_t>& ids) {
    const bool warehouse = place == RulePlace::Warehouse;
    if (!gate(desk, deleteGate(place))) return 0;
    if (ids.empty()) {
        desk.port().info("请先在左侧窗口中选中要删除的风控规则。  ");
        return 0;
    }
    // Nothing is asked about a rule the warehouse does not hold.
    if (!allInWarehouse(desk, ids)) return 0;
    const Message question{warehouse ? "确定要删除当前风控策略?" : "删除当前选中的风控策略？  ",
                           "提示", MessageIcon::Question, true};
    if (!desk.port().askYesNo(question)) return 0;
    return deleteRiskRules(desk, ids, place);
}

}  // namespace korvant
