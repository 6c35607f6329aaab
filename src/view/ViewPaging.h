#pragma once

#include "view/MainState.h"

// The pager that serves every paged view: the account lists, the rate
// lists, the report tabs and the log list, and its label.
namespace korvant {

class Desk;
class DeskView;
class ReportPage;

enum class PageMove { Previous, Next, First, Last, GoTo };
// `PreviousPage`, `NextPage`, `FirstPage`, `LastPage` and `GoToPage` in the
// current view. Previous and First
// only from page 1 on, Next and Last only before the last page; GoTo is not
// bound-checked in the accounts view and must be below the total elsewhere.
// Returns whether a page was queried.
bool movePage(DeskView& view, PageMove move, int target = 0);

// Sets the pager label from the list on screen and tells the window.
void updatePageLabel(DeskView& view);
// Sets the pager label from the list on screen without telling anyone.
void setPageLabel(DeskView& view);

// The pager of a view showing `page`: cursor and page query go to the page;
// `shown` is left empty. The page must outlive the pager.
ViewPager reportPager(Desk& desk, ReportPage& page);

}  // namespace korvant
