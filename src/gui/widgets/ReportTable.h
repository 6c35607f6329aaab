#pragma once

class QTableWidget;

namespace korvant {
class ReportPage;
}

// A report page drawn in a table: its columns as headers with their widths,
// read-only rows selected whole, and the cells of the rows on screen.
namespace korvant::gui {

void setUpReportTable(QTableWidget& table, const ReportPage& page);
void fillReportTable(QTableWidget& table, const ReportPage& page);

}  // namespace korvant::gui
