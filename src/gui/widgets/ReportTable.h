#pragma once

#include <vector>

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

}  // namespace korvant::gui
