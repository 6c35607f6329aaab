#include "cli/commands/AccountSelection.h"

#include <CLI/CLI.hpp>

#include "app/AccountListPages.h"
#include "app/ActionDispatcher.h"
#include "app/Desk.h"
#include "app/GroupSelection.h"
#include "cli/CliContext.h"

namespace korvant::cli {
namespace {

int tabOf(AccountList list) {
    switch (list) {
        case AccountList::Administrators:
            return AdministratorTab;
        case AccountList::SubAccounts:
            return SubAccountTab;
        default:
            return MainAccountTab;
    }
}

// Reads every page of `list` for the current group with the account as its
// keyword (the link list has none) and returns the row of the record with
// exactly this account, which becomes the selected row. `read` tells
// whether every page came (its message was shown otherwise).
template <class Record>
std::optional<int> findRow(Desk& desk, AccountList list, const RecordCache<Record>& cache,
                           const std::string& account, bool& read) {
    MainState& state = desk.mainState();
    state.filter.clearFields();
    if (list != AccountList::MainAccountLinks) {
        state.filter.account = firstCharacters(account, 15);
        state.filter.flags = SearchFilter::AccountFlag;
    }
    state.shownList = list;
    read = loadAllAccountPages(desk, list);
    state.filter.clearFields();
    state.selectedRows.clear();
    if (!read) return std::nullopt;
    for (int row = 0; row < cache.count(); ++row) {
        if (cache.at(row).account == account) {
            state.selectedRows = {row};
            return row;
        }
    }
    return std::nullopt;
}

std::string inGroup(Desk& desk) {
    return "组 " + std::to_string(desk.mainState().group.id) + " 中";
}

}  // namespace

bool chooseGroup(CliContext& context, int groupId, AccountList list) {
    Desk& desk = context.desk();
    const Group* cached = desk.reference().groupById(groupId);
    if (cached == nullptr) return context.refuse("没有组 " + std::to_string(groupId));
    const Group group = *cached;
    MainState& state = desk.mainState();
    if (state.view != ViewKind::Accounts)
        desk.dispatcher().send(ActionCode::SwitchView, static_cast<int>(ViewKind::Accounts));
    // The group and the list's tab become current; no list is queried for
    // the click itself: an operation reads what it needs.
    setCurrentGroup(desk, group);
    const int tab = tabOf(list);
    if (state.strip == TabStrip::ThreeTab)
        state.threeTabIndex = tab;
    else if (state.strip == TabStrip::TwoTab && tab != SubAccountTab)
        state.twoTabIndex = tab;
    state.shownList = list;
    state.selectedRows.clear();
    return true;
}

std::optional<int> findAdministrator(CliContext& context, const std::string& account) {
    Desk& desk = context.desk();
    bool read = false;
    auto row =
        findRow(desk, AccountList::Administrators, desk.accounts().administrators, account, read);
    if (!row && read) context.refuse(inGroup(desk) + "没有管理员 " + account);
    return row;
}

std::optional<std::vector<SubAccount>> findSubAccounts(CliContext& context,
                                                       const std::vector<std::string>& accounts) {
    Desk& desk = context.desk();
    const RecordCache<SubAccount>& cache = desk.accounts().subAccounts;
    std::vector<SubAccount> found;
    bool complete = true;
    for (const std::string& account : accounts) {
        bool read = false;
        if (auto row = findRow(desk, AccountList::SubAccounts, cache, account, read)) {
            found.push_back(cache.at(*row));
        } else {
            if (!read) return std::nullopt;
            context.refuse(inGroup(desk) + "没有子账号 " + account);
            complete = false;
        }
    }
    if (!complete) return std::nullopt;
    return found;
}

std::optional<MainAccount> findMainAccount(CliContext& context, const std::string& account) {
    Desk& desk = context.desk();
    const RecordCache<MainAccount>& cache = desk.accounts().mainAccounts;
    bool read = false;
    if (auto row = findRow(desk, AccountList::MainAccounts, cache, account, read))
        return cache.at(*row);
    if (read) context.refuse(inGroup(desk) + "没有主账号 " + account);
    return std::nullopt;
}

std::optional<int> findMainAccountLink(CliContext& context, const std::string& account) {
    Desk& desk = context.desk();
    bool read = false;
    auto row = findRow(desk, AccountList::MainAccountLinks, desk.accounts().mainAccountLinks,
                       account, read);
    if (!row && read) context.refuse(inGroup(desk) + "没有关联主账号 " + account);
    return row;
}

void AccountTarget::add(CLI::App& app, const std::string& groupHelp, const std::string& accountHelp,
                        bool accountRequired) {
    app.add_option("--group", group, groupHelp)->required();
    app.add_option("--account", account, accountHelp)->required(accountRequired);
}

bool AccountTarget::choose(CliContext& context, AccountList list) const {
    return chooseGroup(context, group, list);
}

}  // namespace korvant::cli
