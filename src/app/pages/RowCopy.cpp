#include "app/pages/RowCopy.h"

#include "app/pages/ReportPage.h"

namespace korvant {
namespace {

void appendCell(std::string& out, const std::string& cell) {
    for (char c : cell) out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
}

void appendLine(std::string& out, const std::vector<std::string>& cells,
                const std::vector<int>& columns) {
    bool first = true;
    for (int column : columns) {
        if (column < 0 || static_cast<std::size_t>(column) >= cells.size()) continue;
        if (!first) out += '\t';
        appendCell(out, cells[static_cast<std::size_t>(column)]);
        first = false;
    }
    out += '\n';
}

}  // namespace

std::string rowsAsTabText(const ReportPage& page, const std::vector<int>& rows,
                          const std::vector<int>& columns) {
    std::vector<std::string> captions;
    for (const ReportColumn& column : page.columns()) captions.push_back(column.caption);
    std::string out;
    appendLine(out, captions, columns);
    for (int row : rows)
        if (row >= 0 && row < page.rowCount()) appendLine(out, page.cells(row), columns);
    return out;
}

}  // namespace korvant
