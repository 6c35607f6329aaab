#include "cli/AccountSelection.h"

#include <ostream>

#include "app/AccountLists.h"
#include "app/Desk.h"
#include "cli/CliContext.h"
#include "model/PagedQuery.h"

namespace korvant::cli {

namespace {

// Reads the pages of `list` for the current group and filter, calling
// `visit` on each page until it returns true.
template <class Visit>
void readPages(Desk& desk, AccountList list, const Visit& visit) {
    for (int page = 0; page < MaxQueryPages; ++page) {
        showAccountList(desk, list, page);
        if (visit()) return;
        const PageCursor cursor = accountListCursor(desk, list);
        if (cursor.last != page || page >= cursor.total - 1) return;
    }
}

}  // namespace

bool chooseGroup(CliContext& context, int groupId, AccountList list) {
    Desk& desk = context.desk();
    const Group* group = desk.reference().groupById(groupId);
    if (group == nullptr) {
        context.err() << "no group " << groupId << '\n';
        return false;
    }
    MainState& state = desk.mainState();
    state.view = ViewKind::Accounts;
    state.group.id = group->id;
    state.group.code = group->groupCode;
    state.group.name = group->name;
    state.filter = SearchFilter{};
    state.filter.groupId = group->id;
    state.page = 0;
    state.strip = state.group.level() == 4 ? TabStrip::ThreeTab : TabStrip::TwoTab;
    const int tab = list == AccountList::Administrators ? AdministratorTab
                    : list == AccountList::SubAccounts  ? SubAccountTab
                                                        : MainAccountTab;
    if (state.strip == TabStrip::ThreeTab)
        state.threeTabIndex = tab;
    else
        state.twoTabIndex = tab;
    state.shownList = list;
    state.selectedRows.clear();
    return true;
}

std::optional<std::vector<SubAccount>> findSubAccounts(CliContext& context,
                                                       const std::vector<std::string>& accounts) {
    Desk& desk = context.desk();
    MainState& state = desk.mainState();
    std::vector<SubAccount> found;
    bool complete = true;
    for (const std::string& account : accounts) {
        state.filter.clearFields();
        state.filter.account = firstCharacters(account, 15);
        state.filter.flags = SearchFilter::AccountFlag;
        bool hit = false;
        readPages(desk, AccountList::SubAccounts, [&] {
            for (const SubAccount& s : desk.accounts().subAccounts.records) {
                if (s.account == account) {
                    found.push_back(s);
                    hit = true;
                    return true;
                }
            }
            return false;
        });
        if (!hit) {
            context.err() << "no sub-account " << account << " in group " << state.group.id << '\n';
            complete = false;
        }
    }
    state.filter.clearFields();
    if (!complete) return std::nullopt;
    return found;
}

std::optional<MainAccount> findMainAccount(CliContext& context, const std::string& account) {
    Desk& desk = context.desk();
    MainState& state = desk.mainState();
    state.filter.clearFields();
    state.filter.account = firstCharacters(account, 15);
    state.filter.flags = SearchFilter::AccountFlag;
    std::optional<MainAccount> found;
    readPages(desk, AccountList::MainAccounts, [&] {
        const auto& cache = desk.accounts().mainAccounts;
        for (int i = 0; i < cache.count(); ++i) {
            if (cache.at(i).account == account) {
                found = cache.at(i);
                state.selectedRows = {i};
                return true;
            }
        }
        return false;
    });
    state.filter.clearFields();
    if (!found)
        context.err() << "no main account " << account << " in group " << state.group.id << '\n';
    return found;
}

std::optional<int> findMainAccountLink(CliContext& context, const std::string& account) {
    Desk& desk = context.desk();
    std::optional<int> row;
    readPages(desk, AccountList::MainAccountLinks, [&] {
        const auto& cache = desk.accounts().mainAccountLinks;
        for (int i = 0; i < cache.count(); ++i) {
            if (cache.at(i).account == account) {
                row = i;
                desk.mainState().selectedRows = {i};
                return true;
            }
        }
        return false;
    });
    if (!row)
        context.err() << "main account " << account << " is not linked to group "
                      << desk.mainState().group.id << '\n';
    return row;
}

}  // namespace korvant::cli
