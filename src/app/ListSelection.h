#pragma once

#include <vector>

#include "model/SubAccount.h"

// The rows selected in the account list on screen (MainState::selectedRows),
// read as the operations of every account area need them.
namespace korvant {

class Desk;

// The selected records of the sub-account list, in list order.
std::vector<SubAccount> selectedSubAccounts(Desk& desk);

// The first selected row below `count` of the list on screen; -1 when none
// is selected.
int firstSelectedRow(Desk& desk, int count);

}  // namespace korvant
