#include "view/ViewNavigation.h"

#include "app/actions/ActionDispatcher.h"
#include "app/lists/AccountListAgain.h"
#include "app/lists/AccountListQuery.h"
#include "app/session/ReferenceReload.h"
#include "view/DeskView.h"
#include "view/GroupSelection.h"
#include "view/ViewPaging.h"

namespace korvant {
namespace {

void tell(DeskView& view, DeskChange change) {
    view.desk().notify(change);
}

}  // namespace

void selectGroup(DeskView& view, const Group& group) {
    if (!setCurrentGroup(view, group)) return;  // other code lengths have no tab strip
    const MainState& state = view.state();
    showAccountList(view, MainState::listOfTab(state.strip, state.selectedTab()), 0);
    // The range names the new group once its list is on screen, not while
    // the list of the old one still is.
    tell(view, DeskChange::SearchRange);
}

void searchAccounts(DeskView& view, const SearchFilter& filter) {
    MainState& state = view.state();
    state.filter = filter;
    state.group.id = filter.groupId;
    state.page = 0;
    if (state.view != ViewKind::Accounts) return;
    if (state.strip == TabStrip::ThreeTab) {
        state.threeTabIndex = SubAccountTab;
        tell(view, DeskChange::Tabs);
    }
    showAccountList(view, AccountList::SubAccounts, 0);
}

void changeTab(DeskView& view, TabStrip strip, int tab) {
    MainState& state = view.state();
    if (strip == TabStrip::TwoTab)
        state.twoTabIndex = tab;
    else if (strip == TabStrip::ThreeTab)
        state.threeTabIndex = tab;
    AccountList list = MainState::listOfTab(strip, tab);
    if (list == AccountList::None || state.group.id <= 0) return;
    if (strip == TabStrip::ThreeTab && state.group.id == 1) return;
    showAccountList(view, list, 0);
}

void queryAllSubAccounts(DeskView& view, int page) {
    MainState& state = view.state();
    int keep = state.group.id;
    queryAccountList(view.desk(), AccountList::SubAccounts, -1, SearchFilter{}, page);
    state.group.id = keep;
    tell(view, DeskChange::AccountList);
}

void refreshGroups(DeskView& view) {
    MainState& state = view.state();
    state.filter = SearchFilter{};
    state.group.id = -1;
    state.page = 0;
    // The refresh command and every change to the groups come here.
    reloadGroups(view.desk());
}

void switchView(DeskView& view, ViewKind kind) {
    MainState& state = view.state();
    state.view = kind;
    state.statusTextShown = kind == ViewKind::Risk;
    tell(view, DeskChange::View);
    auto it = state.pagers.find(kind);
    if (kind != ViewKind::Accounts && it != state.pagers.end() && it->second.shown)
        it->second.shown();
    // The label describes the list now on screen, whichever it is.
    updatePageLabel(view);
}

bool showAccountList(DeskView& view, AccountList list, int page) {
    Desk& desk = view.desk();
    MainState& state = view.state();
    state.page = page;
    state.shownList = list;
    const bool answered = queryAccountList(desk, list, state.group.id, state.filter, page);
    // The link list shows funds only for parent main accounts with initial
    // funds: those are reloaded first (action `ReloadParentMainAccounts`).
    if (list == AccountList::MainAccountLinks)
        desk.dispatcher().send(ActionCode::ReloadParentMainAccounts);
    desk.notify(DeskChange::AccountList);
    updatePageLabel(view);
    return answered;
}

bool requeryShownAccountList(DeskView& view, AccountList list, ListRequery how) {
    MainState& state = view.state();
    if (how == ListRequery::ShownPageUnfiltered || how == ListRequery::CachedPageUnfiltered)
        state.filter.clearFields();
    int page = state.page;
    if (how == ListRequery::CachedPage || how == ListRequery::CachedPageUnfiltered)
        page = cachedAccountPage(view.desk(), list);
    return showAccountList(view, list, page);
}

void registerNavigationActions(DeskView& view) {
    ActionDispatcher& d = view.desk().dispatcher();
    DeskView* p = &view;
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
    d.registerHandler(ActionCode::TwoTabChanged,
                      [p](const ActionMessage& m) { changeTab(*p, TabStrip::TwoTab, m.intArg()); });
    d.registerHandler(ActionCode::ThreeTabChanged, [p](const ActionMessage& m) {
        changeTab(*p, TabStrip::ThreeTab, m.intArg());
    });
}

}  // namespace korvant
