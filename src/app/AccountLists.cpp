#include "app/AccountLists.h"

#include <vector>

#include "app/AccountListRequests.h"
#include "app/ActionDispatcher.h"
#include "app/Desk.h"
#include "app/Exchange.h"
#include "app/GroupSelection.h"
#include "app/LinkedAccountLoads.h"
#include "app/ReferenceReload.h"
#include "app/ReportTree.h"
#include "model/ListAnswer.h"
#include "protocol/AnswerRouter.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

int writeListRequest(AccountList list, int groupId, const SearchFilter& filter, int page,
                     uint8_t* buffer, int capacity) {
    switch (list) {
        case AccountList::MainAccounts:
            return writeMainAccountListRequest(groupId, filter, page, buffer, capacity);
        case AccountList::Administrators:
            return writeAdministratorListRequest(groupId, filter, page, buffer, capacity);
        case AccountList::MainAccountLinks:
            return writeMainAccountLinksRequest(groupId, page, buffer, capacity);
        case AccountList::SubAccounts:
            return writeSubAccountListRequest(groupId, filter, page, buffer, capacity);
        case AccountList::None:
            break;
    }
    return -1;
}

uint8_t listCommand(AccountList list) {
    switch (list) {
        case AccountList::MainAccounts:
            return cmd::MainAccountList;
        case AccountList::Administrators:
            return cmd::AdministratorList;
        case AccountList::MainAccountLinks:
            return cmd::MainAccountLinks;
        case AccountList::SubAccounts:
            return cmd::SubAccountList;
        case AccountList::None:
            break;
    }
    return 0;
}

void tell(Desk& desk, DeskChange change) {
    desk.notify(change);
}

}  // namespace

bool queryAccountList(Desk& desk, AccountList list, int groupId, const SearchFilter& filter,
                      int page) {
    if (list == AccountList::None) return false;
    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    int length = writeListRequest(list, groupId, filter, page, buffer.data(),
                                  static_cast<int>(buffer.size()));
    int received = exchange(desk, buffer.data(), length, buffer);
    if (received <= 0) return false;
    // Only a page of this list replaces its cache. A refusal shows the
    // server's text (through the command-0 handler); any other answer (one
    // of another command, one shorter than a page header, one that cannot be
    // decoded) changes nothing and is an error.
    std::vector<uint8_t> answer;
    if (decodePacket(std::span<const uint8_t>(buffer.data(), static_cast<std::size_t>(received)),
                     answer) == DecodeOk) {
        const int size = static_cast<int>(answer.size());
        if (isListAnswer(answer.data(), size, listCommand(list))) {
            desk.router().route(answer.data(), size);
            return true;
        }
        if (ResultPacket::isResult(answer.data(), size) && size >= 5 && answer[4] != 0) {
            desk.router().route(answer.data(), size);
            return false;
        }
    }
    desk.port().showMessage({" 解析数据包出错!", "提示", MessageIcon::Error});
    return false;
}

PageCursor accountListCursor(Desk& desk, AccountList list) {
    AccountCaches& caches = desk.accounts();
    switch (list) {
        case AccountList::MainAccounts:
            return caches.mainAccounts.cursor;
        case AccountList::Administrators:
            return caches.administrators.cursor;
        case AccountList::MainAccountLinks:
            return caches.mainAccountLinks.cursor;
        case AccountList::SubAccounts:
            return caches.subAccounts.cursor;
        case AccountList::None:
            break;
    }
    return PageCursor{};
}

void updatePageLabel(Desk& desk) {
    MainState& state = desk.mainState();
    PageCursor cursor;
    if (state.view == ViewKind::Accounts) {
        cursor = accountListCursor(desk, state.shownList);
    } else if (auto it = state.pagers.find(state.view);
               it != state.pagers.end() && it->second.cursor) {
        cursor = it->second.cursor();
    } else {
        cursor = PageCursor{1, 0};
    }
    state.labelPage = cursor.shownPage();
    state.labelTotal = cursor.total;
    tell(desk, DeskChange::PageLabel);
}

bool showAccountList(Desk& desk, AccountList list, int page) {
    MainState& state = desk.mainState();
    state.page = page;
    state.shownList = list;
    const bool answered = queryAccountList(desk, list, state.group.id, state.filter, page);
    // The link list shows funds only for parent main accounts with initial
    // funds: those are reloaded first (action 107).
    if (list == AccountList::MainAccountLinks)
        desk.dispatcher().send(ActionCode::ReloadParentMainAccounts);
    tell(desk, DeskChange::AccountList);
    updatePageLabel(desk);
    return answered;
}

void selectGroup(Desk& desk, const Group& group) {
    if (!setCurrentGroup(desk, group)) return;  // other code lengths have no tab strip
    const MainState& state = desk.mainState();
    showAccountList(desk, MainState::listOfTab(state.strip, state.selectedTab()), 0);
}

bool movePage(Desk& desk, PageMove move, int target) {
    MainState& state = desk.mainState();
    PageCursor cursor;
    std::function<void(int)> query;
    bool accounts = state.view == ViewKind::Accounts;
    if (accounts) {
        if (state.shownList == AccountList::None) return false;
        cursor = accountListCursor(desk, state.shownList);
        cursor.last = state.page;
        AccountList list = state.shownList;
        query = [&desk, list](int page) { showAccountList(desk, list, page); };
    } else {
        auto it = state.pagers.find(state.view);
        if (it == state.pagers.end() || !it->second.cursor || !it->second.query) return false;
        cursor = it->second.cursor();
        query = it->second.query;
    }
    // In 64 bits: the server's total and index may be anything an i32 holds.
    const int64_t current = cursor.last;
    const int64_t total = cursor.total;
    int64_t page;
    switch (move) {
        case PageMove::Previous:
            if (current < 1) return false;
            page = current - 1;
            break;
        case PageMove::Next:
            if (current >= total - 1) return false;
            page = current + 1;
            break;
        case PageMove::First:
            if (current < 1) return false;
            page = 0;
            break;
        case PageMove::Last:
            if (current >= total - 1) return false;
            page = total - 1;
            break;
        case PageMove::GoTo:
            if (target < 0) return false;
            if (!accounts && target >= total) return false;
            page = target;
            break;
        default:
            return false;
    }
    query(static_cast<int>(page));
    if (!accounts) updatePageLabel(desk);
    return true;
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
    if (view == ViewKind::Accounts) {
        PageCursor cursor = desk.accounts().subAccounts.cursor;
        state.labelPage = cursor.shownPage();
        state.labelTotal = cursor.total;
        tell(desk, DeskChange::PageLabel);
        return;
    }
    auto it = state.pagers.find(view);
    if (it != state.pagers.end() && it->second.shown) it->second.shown();
    state.labelPage = 1;
    state.labelTotal = 1;
    if (it != state.pagers.end() && it->second.cursor &&
        (view == ViewKind::FeeRates || view == ViewKind::MarginRates))
        state.labelTotal = it->second.cursor().total;
    tell(desk, DeskChange::PageLabel);
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
    d.registerHandler(ActionCode::ReloadMarginTemplatesAgain,
                      reload(ReferenceList::MarginTemplates));
    d.registerHandler(ActionCode::ReloadFeeTemplates, reload(ReferenceList::FeeTemplates));
    d.registerHandler(ActionCode::ReloadFeeTemplatesAgain, reload(ReferenceList::FeeTemplates));
    d.registerHandler(ActionCode::ReloadVarieties, reload(ReferenceList::Varieties));
    d.registerHandler(ActionCode::ReloadRiskStrategies, reload(ReferenceList::RiskStrategies));
    d.registerHandler(ActionCode::TwoTabChanged,
                      [p](const ActionMessage& m) { changeTab(*p, TabStrip::TwoTab, m.intArg()); });
    d.registerHandler(ActionCode::ThreeTabChanged, [p](const ActionMessage& m) {
        changeTab(*p, TabStrip::ThreeTab, m.intArg());
    });
}

}  // namespace korvant
