#pragma once

#include <functional>
#include <optional>

#include "app/desk/AccountList.h"

// Sorting an account list by a click on a column header, on the list's
// cache. The area that owns a list registers how its cache sorts (the
// administrators on their first five columns, the sub-accounts on every
// column); lists without a sorter do not sort.
namespace korvant {

class Desk;

// Sorts the cache of one list by `column`, in the direction opposite to its
// last sort or in `ascending`'s when given; returns the direction sorted in
// (true: ascending), or nothing when the column does not sort.
using AccountCacheSorter =
    std::function<std::optional<bool>(Desk& desk, int column, std::optional<bool> ascending)>;

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
// (the direction of the next click still follows the last one), or, while
// sorts are kept, sorted again by the list's last sort.
void forgetAccountListSort(Desk& desk, AccountList list);

// Whether a new answer of a list keeps the list's last sort (the desk that
// remembers its lists: a list sorted by a column stays sorted by it, pages
// and queries later); off by default.
void keepAccountListSorts(Desk& desk, bool keep);
// Sorts `list` by `sort` (a remembered sort: its column and direction) and
// makes it the list's last sort; -1 as the column forgets it. False when the
// list or the column does not sort.
bool restoreAccountListSort(Desk& desk, AccountList list, AccountListSort sort);

}  // namespace korvant
