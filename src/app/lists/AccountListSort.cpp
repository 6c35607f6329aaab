#include "app/lists/AccountListSort.h"

#include <map>

#include "app/desk/Desk.h"

namespace korvant {
struct AccountListSorting {
    std::map<AccountList, AccountCacheSorter> sorters;
    std::map<AccountList, AccountListSort> last;
    bool keep = false;
};

namespace {

AccountListSorting& sorting(Desk& desk) {
    return keptState(desk.states().accountListSorting);
}

}  // namespace

void registerAccountListSorter(Desk& desk, AccountList list, AccountCacheSorter sorter) {
    sorting(desk).sorters[list] = std::move(sorter);
}

bool sortAccountList(Desk& desk, AccountList list, int column) {
    AccountListSorting& all = sorting(desk);
    auto it = all.sorters.find(list);
    if (it == all.sorters.end() || !it->second) return false;
    const std::optional<bool> ascending = it->second(desk, column, std::nullopt);
    if (!ascending) return false;
    all.last[list] = AccountListSort{column, *ascending};
    desk.notify(DeskChange::AccountList);
    return true;
}

AccountListSort accountListSort(Desk& desk, AccountList list) {
    const AccountListSorting& all = sorting(desk);
    auto it = all.last.find(list);
    return it == all.last.end() ? AccountListSort{} : it->second;
}

void forgetAccountListSort(Desk& desk, AccountList list) {
    AccountListSorting& all = sorting(desk);
    auto it = all.last.find(list);
    if (it == all.last.end()) return;
    if (all.keep && it->second.column >= 0) {
        auto sorter = all.sorters.find(list);
        if (sorter != all.sorters.end() && sorter->second &&
            sorter->second(desk, it->second.column, it->second.ascending)) {
            desk.notify(DeskChange::AccountList);
            return;
        }
    }
    it->second.column = -1;
}

void keepAccountListSorts(Desk& desk, bool keep) {
    sorting(desk).keep = keep;
}

bool restoreAccountListSort(Desk& desk, AccountList list, AccountListSort sort) {
    AccountListSorting& all = sorting(desk);
    if (sort.column < 0) {
        auto it = all.last.find(list);
        if (it != all.last.end()) it->second.column = -1;
        return true;
    }
    auto it = all.sorters.find(list);
    if (it == all.sorters.end() || !it->second) return false;
    const std::optional<bool> ascending = it->second(desk, sort.column, sort.ascending);
    if (!ascending) return false;
    all.last[list] = AccountListSort{sort.column, *ascending};
    desk.notify(DeskChange::AccountList);
    return true;
}

}  // namespace korvant
