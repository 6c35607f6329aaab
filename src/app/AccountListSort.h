#pragma once

#include <functional>
#include <optional>

#include "app/MainState.h"

// Sorting an account list by a click on a column header, on the list's
// cache. The area that owns a list registers how its cache sorts (the
// administrators on their first five columns, the sub-accounts on every
// column); lists without a sorter do not sort.
namespace korvant {

class Desk;

// Sorts the cache of one list by `column`; returns the direction sorted in
// (true: ascending), or nothing when the column does not sort.
using AccountCacheSorter = std::function<std::optional<bool>(Desk& desk, int column)>;

// The last sort of a list: `column` -1 while the list is in the server's
// order.
struct AccountListSort {
    int column = -1;
    bool ascending = false;
};

void registerAccountListSorter(Desk& desk, AccountList list, AccountCacheSorter sorter);

// Sorts `list` by `column` and redraws it; false (nothing changes) when
// the list or the column does not sort.
bool sortAccountList(Desk& desk, AccountList list, int column);

AccountListSort accountListSort(Desk& desk, AccountList list);

// A new answer replaced the list's cache: it is in the server's order again
// (the direction of the next click still follows the last one).
void forgetAccountListSort(Desk& desk, AccountList list);

}  // namespace korvant
