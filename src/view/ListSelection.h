#pragma once

#include <vector>

#include "model/RecordCache.h"
#include "model/SubAccount.h"

// The rows selected in the account list on screen (MainState::selectedRows),
// read as the operations of every account area need them.
namespace korvant {

class DeskView;

// The selected records of the sub-account list, in list order.
std::vector<SubAccount> selectedSubAccounts(DeskView& view);

// The first selected row below `count` of the list on screen; -1 when none
// is selected.
int firstSelectedRow(DeskView& view, int count);

// The record of the first selected row of the list on screen, shown from
// `cache`; null when none is selected.
template <class Record>
const Record* firstSelected(DeskView& view, const RecordCache<Record>& cache) {
    const int row = firstSelectedRow(view, cache.count());
    return row < 0 ? nullptr : &cache.at(row);
}

}  // namespace korvant
