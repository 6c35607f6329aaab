#include "app/AccountListSort.h"

#include <map>

#include "app/Desk.h"

namespace korvant {
namespace {

struct AccountListSorting {
    std::map<AccountList, AccountCacheSorter> sorters;
    std::map<AccountList, AccountListSort> last;
};

AccountListSorting& sorting(Desk& desk) {
    return desk.areaState<AccountListSorting>();
}

}  // namespace

void registerAccountListSorter(Desk& desk, AccountList list, AccountCacheSorter sorter) {
    sorting(desk).sorters[list] = std::move(sorter);
}

bool sortAccountList(Desk& desk, AccountList list, int column) {
    AccountListSorting& all = sorting(desk);
    auto it = all.sorters.find(list);
    if (it == all.sorters.end() || !it->second) return false;
    const std::optional<bool> ascending = it->second(desk, column);
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
    if (it != all.last.end()) it->second.column = -1;
}

}  // namespace korvant
