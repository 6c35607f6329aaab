#pragma once

#include "app/forms/SearchFilter.h"

// "高级搜索": the dialog, its check and the search it starts.
namespace korvant {

class Desk;

// "搜索" searches only with an account, a password or a remark: a form with
// none of them stays open and says why (the opening date alone is not a
// search of this dialog; the search bar's "开户日期" category is).
bool validateAdvancedSearchForm(FrontEndPort& port, AdvancedSearchForm& form);

// Shows "高级搜索" and searches the range `groupId` (action `Search`) with what was
// typed; nothing on cancel. True when a search was sent.
bool runAdvancedSearch(Desk& desk, int groupId);

}  // namespace korvant
