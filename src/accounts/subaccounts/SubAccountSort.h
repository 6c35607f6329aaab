#pragma once

#include <span>

#include "model/SubAccount.h"

// Sorting of the sub-account list by a click on a column header: every
// click reverses the direction of the click before. Number columns
// ("子账号", "开户日期", the amounts, "属性") compare as numbers, text
// columns by their GBK bytes.
namespace korvant {

class SubAccountSorter {
public:
    // Sorts `records` in place by the list column `column`; false (and
    // nothing changes) for a column the list does not have.
    bool sortByColumn(std::span<SubAccount> records, int column);
    bool ascending() const { return ascending_; }

private:
    bool ascending_ = false;
};

}  // namespace korvant
