#include "gui/widgets/ReportTable.h"

#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>

#include "app/ReportPage.h"
#include "gui/widgets/ListViewStyle.h"

namespace korvant::gui {

void setUpReportTable(QTableWidget& table, const ReportPage& page) {
    const std::vector<ReportColumn>& columns = page.columns();
    table.setColumnCount(static_cast<int>(columns.size()));
    QStringList headers;
    for (const ReportColumn& column : columns) headers << QString::fromStdString(column.caption);
    table.setHorizontalHeaderLabels(headers);
    for (int c = 0; c < table.columnCount(); ++c)
        table.setColumnWidth(c, columns[static_cast<std::size_t>(c)].width);
    styleReportList(&table);
}

void fillReportTable(QTableWidget& table, const ReportPage& page) {
    const int rows = page.rowCount();
    table.setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const std::vector<std::string> cells = page.cells(row);
        for (int c = 0; c < static_cast<int>(cells.size()); ++c)
            table.setItem(
                row, c,
                new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(c)])));
    }
}

}  // namespace korvant::gui
