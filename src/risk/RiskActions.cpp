#include "risk/RiskActions.h"

#include <vector>

#include "app/ActionDispatcher.h"
#include "app/Desk.h"
#include "app/ListSelection.h"
#include "risk/RiskArea.h"
#include "risk/RiskOperations.h"
#include "risk/RuleAssignment.h"

namespace korvant {

namespace {

// The account level of rules made on the warehouse page: the index of its
// selected tab (the page has the one tab "风控仓库").
constexpr int32_t WarehouseTabIndex = 0;

void loadFromPopUp(Desk& desk, int from) {
    RuleTarget target;
    if (from == LoadFromSubAccounts) {
        const std::vector<SubAccount> rows = selectedSubAccounts(desk);
        if (rows.empty()) return;
        target = {RuleTargetKind::SubAccount, rows.front().account};
    } else if (from == LoadFromMainAccounts) {
        const auto& cache = desk.accounts().mainAccounts;
        const int row = firstSelectedRow(desk, cache.count());
        if (row < 0) return;
        target = {RuleTargetKind::MainAccount, cache.at(row).account};
    } else if (from == LoadFromGroups) {
        if (desk.mainState().group.id < 0) return;
        target = {RuleTargetKind::Group, desk.mainState().group.code};
    } else {
        return;
    }
    openRuleAssignment(desk, target);
}

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
    d.registerHandler(ActionCode::LoadRiskStrategy,
                      [p](const ActionMessage& m) { loadFromPopUp(*p, m.intArg()); });
    ViewPager pager = reportPager(desk, riskArea(desk).page);
    pager.shown = [p] {
        riskArea(*p).page.refresh(*p);
        p->notify(DeskChange::RiskStrategies);
    };
    // 修改 and 删除 act on the selected rule only.
    pager.rowChosen = [p] { return riskArea(*p).selectedRule != 0; };
    desk.mainState().pagers[ViewKind::Risk] = pager;
}

}  // namespace korvant
