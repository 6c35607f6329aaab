#pragma once

#include <string>
#include <vector>

#include "app/MainState.h"

namespace korvant {
class Desk;
}

namespace korvant::gui {

// The rows of an account list as the desk shows them, from its cache. The
// sub-account list ends with an empty row and the row "第 %i/%i 页".
std::vector<std::vector<std::string>> accountRows(Desk& desk, AccountList list);
// Rows that carry a cached record (the first rows of the list).
int accountRecordCount(Desk& desk, AccountList list);

}  // namespace korvant::gui
