#pragma once

#include "app/MainState.h"

// The pager that serves every paged view: the account lists, the rate
// lists, the report tabs and the log list, and its label.
namespace korvant {

class Desk;

enum class PageMove { Previous, Next, First, Last, GoTo };
// `PreviousPage`, `NextPage`, `FirstPage`, `LastPage` and `GoToPage` in the
// current view. Previous and First
// only from page 1 on, Next and Last only before the last page; GoTo is not
// bound-checked in the accounts view and must be below the total elsewhere.
// Returns whether a page was queried.
bool movePage(Desk& desk, PageMove move, int target = 0);

// Sets the pager label from the list on screen.
void updatePageLabel(Desk& desk);

}  // namespace korvant
