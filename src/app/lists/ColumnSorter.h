#pragma once

#include <algorithm>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "app/desk/Desk.h"
#include "app/lists/AccountListSort.h"

// Sorting of a list by a click on a column header. One direction flag is
// shared by all columns: every click reverses the direction of the click
// before, whichever column it was on. Equal records keep their order.
namespace korvant {

// Negative, zero or positive as `a` sorts before, with or after `b`.
template <class T>
int compareNumbers(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Texts compare by their GBK bytes, taken as unsigned.
int compareGbkTexts(const std::string& a, const std::string& b);

template <class Record>
class ColumnSorter {
public:
    // Negative, zero or positive as `a` sorts before, with or after `b` in
    // `column`, one of the first `columns` of the list.
    using Compare = int (*)(const Record& a, const Record& b, int column);

    ColumnSorter(int columns, Compare compare) : columns_(columns), compare_(compare) {}

    // Sorts `records` in place by `column`, in the direction opposite to the
    // last sort or, when given, in `ascending`'s; false (and nothing changes)
    // for a column that does not sort.
    bool sortByColumn(std::span<Record> records, int column,
                      std::optional<bool> ascending = std::nullopt) {
        if (column < 0 || column >= columns_) return false;
        ascending_ = ascending ? *ascending : !ascending_;
        const bool up = ascending_;
        const Compare compare = compare_;
        std::stable_sort(records.begin(), records.end(),
                         [compare, column, up](const Record& a, const Record& b) {
                             const int c = compare(a, b, column);
                             return up ? c < 0 : c > 0;
                         });
        return true;
    }
    // Direction of the last sort.
    bool ascending() const { return ascending_; }

private:
    int columns_;
    Compare compare_;
    bool ascending_ = false;
};

// Lets `list` sort its cache (`cache` of the desk's account caches) with a
// `Sorter` the desk keeps.
template <class Sorter, class Record>
void registerColumnSorter(Desk& desk, AccountList list, RecordCache<Record> AccountCaches::*cache) {
    registerAccountListSorter(
        desk, list,
        [cache, sorter = std::make_shared<Sorter>()](
            Desk& on, int column, std::optional<bool> ascending) -> std::optional<bool> {
            if (!sorter->sortByColumn((on.accounts().*cache).records, column, ascending)) return {};
            return sorter->ascending();
        });
}

}  // namespace korvant
