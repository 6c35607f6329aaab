#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Rows of tab-separated output. A cell never breaks its row: tabs, line
// breaks and other control characters inside a cell are escaped ("\n",
// "\x09"; see escapeControls).
namespace korvant::cli {

std::string tsvCell(const std::string& text);
void writeTsvRow(std::ostream& out, const std::vector<std::string>& cells);

}  // namespace korvant::cli
