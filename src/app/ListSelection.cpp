#include "app/ListSelection.h"

#include <algorithm>

#include "app/Desk.h"

namespace korvant {

std::vector<SubAccount> selectedSubAccounts(Desk& desk) {
    std::vector<SubAccount> selected;
    const RecordCache<SubAccount>& cache = desk.accounts().subAccounts;
    std::vector<int> rows = desk.mainState().selectedRows;
    std::sort(rows.begin(), rows.end());  // list order
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        if (row >= 0 && row < cache.count()) selected.push_back(cache.at(row));
    return selected;
}

int firstSelectedRow(Desk& desk, int count) {
    int first = -1;
    for (int row : desk.mainState().selectedRows)
        if (row >= 0 && row < count && (first < 0 || row < first)) first = row;
    return first;
}

}  // namespace korvant
