#pragma once

#include <span>

#include "model/Administrator.h"
#include "model/RecordCache.h"

// Sorting of the administrator list by a click on one of its first five
// column headers ("账号", "密码", "权限", "隶属", "名称"). One direction flag is
// shared by all columns: every click reverses the direction of the click
// before, whichever column it was on. Text columns compare their GBK bytes,
// "权限" compares the masks as numbers.
namespace korvant {

inline constexpr int SortableAdministratorColumns = 5;

class AdministratorSorter {
public:
    // Sorts `records` in place by `column`; false (and nothing changes) for a
    // column that does not sort.
    bool sortByColumn(std::span<Administrator> records, int column);
    // Direction of the last sort.
    bool ascending() const { return ascending_; }

private:
    bool ascending_ = false;
};

// Removes the record at `index` (the following records move up); false when
// there is none.
bool removeAdministrator(RecordCache<Administrator>& cache, int index);

}  // namespace korvant
