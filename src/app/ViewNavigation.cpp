#include "app/ViewNavigation.h"

#include "app/AccountListQuery.h"
#include "app/ActionDispatcher.h"
#include "app/Desk.h"
#include "app/GroupSelection.h"
#include "app/ReferenceReload.h"
#include "app/ReportTree.h"
#include "app/ViewPaging.h"

namespace korvant {
namespace {

void tell(Desk& desk, DeskChange change) {
    desk.notify(change);
}

}  // namespace

void selectGroup(Desk& desk, const Group& group) {
    if (!setCurrentGroup(desk, group)) return;  // other code lengths have no tab strip
    const MainState& state = desk.mainState();
    showAccountList(desk, MainState::listOfTab(state.strip, state.selectedTab()), 0);
    // The range names the new group once its list is on screen, not while
    // the list of the old one still is.
    tell(desk, DeskChange::SearchRange);
}

void searchAccounts(Desk& desk, const SearchFilter& filter) {
    MainState& state = desk.mainState();
    state.filter = filter;
    state.group.id = filter.groupId;
    state.page = 0;
    if (state.view != ViewKind::Accounts) return;
    if (state.strip == TabStrip::ThreeTab) {
        state.threeTabIndex = SubAccountTab;
        tell(desk, DeskChange::Tabs);
    }
    showAccountList(desk, AccountList::SubAccounts, 0);
}

void changeTab(Desk& desk, TabStrip strip, int tab) {
    MainState& state = desk.mainState();
    if (strip == TabStrip::TwoTab)
        state.twoTabIndex = tab;
    else if (strip == TabStrip::ThreeTab)
        state.threeTabIndex = tab;
    AccountList list = MainState::listOfTab(strip, tab);
    if (list == AccountList::None || state.group.id <= 0) return;
    if (strip == TabStrip::ThreeTab && state.group.id == 1) return;
    showAccountList(desk, list, 0);
}

void queryAllSubAccounts(Desk& desk, int page) {
    MainState& state = desk.mainState();
    int keep = state.group.id;
    queryAccountList(desk, AccountList::SubAccounts, -1, SearchFilter{}, page);
    state.group.id = keep;
    tell(desk, DeskChange::AccountList);
}

void refreshGroups(Desk& desk) {
    MainState& state = desk.mainState();
    state.filter = SearchFilter{};
    state.group.id = -1;
    state.page = 0;
    // The refresh command and every change to the groups come here: the
    // report tree is loaded again after the groups.
    reloadReferenceList(desk, ReferenceList::Groups);
    markReportTreeStale(desk);
}

void switchView(Desk& desk, ViewKind view) {
    MainState& state = desk.mainState();
    state.view = view;
    state.statusTextShown = view == ViewKind::Risk;
    tell(desk, DeskChange::View);
    auto it = state.pagers.find(view);
    if (view != ViewKind::Accounts && it != state.pagers.end() && it->second.shown)
        it->second.shown();
    // The label describes the list now on screen, whichever it is.
    updatePageLabel(desk);
}

void registerAccountListActions(Desk& desk) {
    ActionDispatcher& d = desk.dispatcher();
    Desk* p = &desk;
    d.registerHandler(ActionCode::RefreshGroups, [p](const ActionMessage&) { refreshGroups(*p); });
    auto groupSelected = [p](const ActionMessage& m) {
        if (const Group* g = std::get_if<Group>(&m.arg)) selectGroup(*p, *g);
    };
    d.registerHandler(ActionCode::GroupSelected, groupSelected);
    d.registerHandler(ActionCode::GroupSelectedAgain, groupSelected);
    d.registerHandler(ActionCode::PreviousPage,
                      [p](const ActionMessage&) { movePage(*p, PageMove::Previous); });
    d.registerHandler(ActionCode::NextPage,
                      [p](const ActionMessage&) { movePage(*p, PageMove::Next); });
    d.registerHandler(ActionCode::LastPage,
                      [p](const ActionMessage&) { movePage(*p, PageMove::Last); });
    d.registerHandler(ActionCode::FirstPage,
                      [p](const ActionMessage&) { movePage(*p, PageMove::First); });
    d.registerHandler(ActionCode::GoToPage,
                      [p](const ActionMessage& m) { movePage(*p, PageMove::GoTo, m.intArg()); });
    d.registerHandler(ActionCode::Search, [p](const ActionMessage& m) {
        if (const SearchFilter* f = std::get_if<SearchFilter>(&m.arg)) searchAccounts(*p, *f);
    });
    d.registerHandler(ActionCode::SwitchView,
                      [p](const ActionMessage& m) { switchView(*p, viewKindOf(m.intArg(-1))); });
    d.registerHandler(ActionCode::AllSubAccountsPage,
                      [p](const ActionMessage& m) { queryAllSubAccounts(*p, m.intArg()); });
    auto reload = [p](ReferenceList list) {
        return [p, list](const ActionMessage&) { reloadReferenceList(*p, list); };
    };
    d.registerHandler(ActionCode::ReloadMarginTemplates, reload(ReferenceList::MarginTemplates));
    d.registerHandler(ActionCode::ReloadFeeTemplates, reload(ReferenceList::FeeTemplates));
    d.registerHandler(ActionCode::ReloadVarieties, reload(ReferenceList::Varieties));
    d.registerHandler(ActionCode::ReloadRiskStrategies, reload(ReferenceList::RiskStrategies));
    d.registerHandler(ActionCode::TwoTabChanged,
                      [p](const ActionMessage& m) { changeTab(*p, TabStrip::TwoTab, m.intArg()); });
    d.registerHandler(ActionCode::ThreeTabChanged, [p](const ActionMessage& m) {
        changeTab(*p, TabStrip::ThreeTab, m.intArg());
    });
}

}  // namespace korvant
