#include "risk/RiskActions.h"

#include <vector>

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "risk/RiskArea.h"
#include "risk/RiskOperations.h"
#include "risk/RuleAssignment.h"

namespace korvant {

namespace {

// The account level of rules made on the warehouse page: the index of its
// selected tab (the page has the one tab "风控仓库").
constexpr int32_t WarehouseTabIndex = 0;

std::vector<int32_t> selectedIds(Desk& desk) {
    const int32_t id = riskArea(desk).selectedRule;
    return id != 0 ? std::vector<int32_t>{id} : std::vector<int32_t>{};
}

}  // namespace

void selectWarehouseRule(Desk& desk, int32_t id) {
    riskArea(desk).selectedRule = id;
}

void registerRiskActions(Desk& desk) {
    ActionDispatcher& d = desk.dispatcher();
    Desk* p = &desk;
    d.registerHandler(ActionCode::RiskNodeSelected, [p](const ActionMessage& m) {
        riskArea(*p).page.node = m.intArg(-1);
        riskArea(*p).selectedRule = 0;
    });
    d.registerHandler(ActionCode::RefreshRiskView, [p](const ActionMessage&) {
        riskArea(*p).page.refresh(*p);
        p->notify(DeskChange::RiskStrategies);
    });
    d.registerHandler(ActionCode::AddRiskStrategy, [p](const ActionMessage&) {
        addRuleWithEditor(*p, RulePlace::Warehouse, riskArea(*p).page.node, WarehouseTabIndex);
    });
    d.registerHandler(ActionCode::ModifyRiskStrategy, [p](const ActionMessage&) {
        modifyRuleWithEditor(*p, RulePlace::Warehouse, riskArea(*p).selectedRule);
    });
    d.registerHandler(ActionCode::DeleteRiskStrategy, [p](const ActionMessage&) {
        deleteRulesAfterQuestion(*p, RulePlace::Warehouse, selectedIds(*p));
    });
}

}  // namespace korvant
