#include <vector>

#include "app/actions/ActionDispatcher.h"
#include "risk/RiskActions.h"
#include "risk/RiskArea.h"
#include "risk/RuleAssignment.h"
#include "view/DeskView.h"
#include "view/ListSelection.h"
#include "view/ViewPaging.h"
#include "view/WindowActions.h"

namespace korvant {

namespace {

// "加载风控策略" of a list's pop-up: the rules of its selected row (or of
// the group on screen) in the assignment dialog.
void loadFromPopUp(DeskView& view, int from) {
    Desk& desk = view.desk();
    RuleTarget target;
    if (from == LoadFromSubAccounts) {
        const std::vector<SubAccount> rows = selectedSubAccounts(view);
        if (rows.empty()) return;
        target = {RuleTargetKind::SubAccount, rows.front().account};
    } else if (from == LoadFromMainAccounts) {
        const auto& cache = desk.accounts().mainAccounts;
        const int row = firstSelectedRow(view, cache.count());
        if (row < 0) return;
        target = {RuleTargetKind::MainAccount, cache.at(row).account};
    } else if (from == LoadFromGroups) {
        if (view.state().group.id < 0) return;
        target = {RuleTargetKind::Group, view.state().group.code};
    } else {
        return;
    }
    openRuleAssignment(desk, target);
}

}  // namespace

void registerRiskViewActions(DeskView& view) {
    DeskView* p = &view;
    view.desk().dispatcher().registerHandler(
        ActionCode::LoadRiskStrategy,
        [p](const ActionMessage& m) { loadFromPopUp(*p, m.intArg()); });
    Desk* desk = &view.desk();
    ViewPager pager = reportPager(*desk, riskArea(*desk).page);
    pager.shown = [desk] {
        riskArea(*desk).page.refresh(*desk);
        desk->notify(DeskChange::RiskStrategies);
    };
    // 修改 and 删除 act on the selected rule only.
    pager.rowChosen = [desk] { return riskArea(*desk).selectedRule != 0; };
    view.state().pagers[ViewKind::Risk] = std::move(pager);
}

}  // namespace korvant
