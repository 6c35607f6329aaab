#pragma once

#include "app/lists/ColumnSorter.h"
#include "model/SubAccount.h"

// Sorting of the sub-account list by a click on any column header, the
// direction reversed at every click. Number columns
// ("子账号", "开户日期", the amounts, "属性") compare as numbers, text
// columns by their GBK bytes.
namespace korvant {

class SubAccountSorter : public ColumnSorter<SubAccount> {
public:
    SubAccountSorter();
};

}  // namespace korvant
