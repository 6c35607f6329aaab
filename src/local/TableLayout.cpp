#include "local/TableLayout.h"

namespace korvant {

std::string csvHeaderLine(const TableLayout& layout) {
    std::string line;
    for (const TableColumn& column : layout.columns) {
        if (!line.empty()) line += ',';
        line += column.caption;
    }
    return line + "\r\n";
}

}  // namespace korvant
