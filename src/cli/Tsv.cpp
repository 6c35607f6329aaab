#include "cli/Tsv.h"

#include <ostream>

#include "cli/ControlEscape.h"

namespace korvant::cli {

std::string tsvCell(const std::string& text) {
    return escapeControls(text);
}

void writeTsvRow(std::ostream& out, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) out << '\t';
        out << tsvCell(cells[i]);
    }
    out << '\n';
}

}  // namespace korvant::cli
