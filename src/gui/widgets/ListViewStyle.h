#pragma once

class QTableView;

namespace korvant::gui {

// The look of every report list of the desk: whole rows selected, grid
// lines, no row numbers, compact rows.
void styleReportList(QTableView* view);

// The height of a row in every list: the application font's line and a
// small margin.
int listRowHeight();

}  // namespace korvant::gui
