#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a table export holds, declared once for every file kind: its columns
// with their captions and the kind of value each holds, and the name of
// the sheet that holds it in a workbook.
namespace korvant {

enum class CellKind : uint8_t {
    Text,     // codes, account numbers, names: kept as written
    Integer,  // counts and volumes
    Number,   // amounts and prices, with the column's decimals
    Date,     // yyyymmdd
};

struct TableColumn {
    std::string caption;
    CellKind kind = CellKind::Text;
    int decimals = 0;  // Number: digits after the point
    // Number: the CSV file writes the value with its trailing zeros removed
    // and nothing for a value that rounds to 0 (a workbook: an empty cell).
    bool trimmed = false;
};

struct TableLayout {
    std::string sheet;  // "成交记录"
    std::vector<TableColumn> columns;
};

// The captions joined with "," and a CR LF: the header line of a CSV file.
std::string csvHeaderLine(const TableLayout& layout);

}  // namespace korvant
