#pragma once

#include "app/lists/ColumnSorter.h"
#include "model/Administrator.h"
#include "model/RecordCache.h"

// Sorting of the administrator list by a click on one of its first five
// column headers ("账号", "密码", "权限", "隶属", "名称"), the direction
// reversed at every click. Text columns compare their GBK bytes, "权限"
// compares the masks as numbers.
namespace korvant {

inline constexpr int SortableAdministratorColumns = 5;

class AdministratorSorter : public ColumnSorter<Administrator> {
public:
    AdministratorSorter();
};

// Removes the record at `index` (the following records move up); false when
// there is none.
bool removeAdministrator(RecordCache<Administrator>& cache, int index);

}  // namespace korvant
