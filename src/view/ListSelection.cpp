#include "view/ListSelection.h"

#include <algorithm>

#include "view/DeskView.h"

namespace korvant {

std::vector<SubAccount> selectedSubAccounts(DeskView& view) {
    std::vector<SubAccount> selected;
    const RecordCache<SubAccount>& cache = view.desk().accounts().subAccounts;
    std::vector<int> rows = view.state().selectedRows;
    std::sort(rows.begin(), rows.end());  // list order
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        if (row >= 0 && row < cache.count()) selected.push_back(cache.at(row));
    return selected;
}

int firstSelectedRow(DeskView& view, int count) {
    int first = -1;
    for (int row : view.state().selectedRows)
        if (row >= 0 && row < count && (first < 0 || row < first)) first = row;
    return first;
}

}  // namespace korvant
