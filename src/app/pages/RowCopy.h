#pragma once

#include <string>
#include <vector>

// Rows of a list copied for a spreadsheet.
namespace korvant {

class ReportPage;

// The captions of `columns` (indices into the page's columns, in the order
// shown), then the cells of each of `rows` in those columns, as the list
// shows them: cells parted by tabs, lines ended by LF, so that they paste
// into a spreadsheet as columns. A tab or line break inside a cell becomes
// a blank; rows and columns the page does not have are left out.
std::string rowsAsTabText(const ReportPage& page, const std::vector<int>& rows,
                          const std::vector<int>& columns);

}  // namespace korvant
