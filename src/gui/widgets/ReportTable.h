#pragma once

#include <functional>
#include <vector>

class QByteArray;
class QTableView;

namespace korvant {
class ReportPage;
}

// A report page drawn in a table view through the one ReportPageModel: its
// columns as headers (never narrower than their captions, hidden ones
// hidden), read-only rows chosen whole, one row height, headers aligned
// left, the delegate that elides in the middle and gives cut cells a
// tooltip, and the cells of the rows on screen.
namespace korvant::gui {

class ReportPageModel;

// Gives `table` a model of `page` (once; a later call for the same page
// returns the model it has) and the look of every list.
ReportPageModel* setUpReportTable(QTableView& table, const ReportPage& page);
// Draws the page again. The rows chosen before whose key is still listed
// stay chosen; a column whose texts do not fit is widened (never narrowed);
// a list without rows whose page was read (its cursor's `last` is 0 or
// more) shows the line "没有记录".
void fillReportTable(QTableView& table, const ReportPage& page);
// The model of a table set up above, or null.
ReportPageModel* reportModel(const QTableView& table);
// The chosen record rows, ascending.
std::vector<int> selectedReportRows(const QTableView& table);
// The sort indicator of a list whose header sorts: `column` -1 hides it.
void showSortIndicator(QTableView& table, int column, bool ascending);

// The built-in layout of a list's columns: the page's order and widths, its
// own hidden columns hidden and every other one shown. Widths the user set
// are forgotten.
void applyBuiltInColumns(QTableView& table);
// A header state saved by QHeaderView::saveState (widths, order, hidden
// columns, sort indicator) put back; the page's own hidden columns stay
// hidden, and its widths count as the user's (a new page does not widen
// them). False, and the built-in layout, when the state does not fit the
// list.
bool restoreListHeader(QTableView& table, const QByteArray& state);

// Enter (or the keypad's Enter) runs `open` and Delete runs `remove` while
// the list has the focus; an empty function leaves its key to the view.
// The list's owner checks that a row is chosen and what the keys may do.
void setListKeys(QTableView& table, std::function<void()> open, std::function<void()> remove = {});

}  // namespace korvant::gui
