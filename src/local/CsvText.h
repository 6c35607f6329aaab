#pragma once

#include <string>
#include <string_view>

// The cells of the CSV files the desk exports: every export writes its text
// cells through appendCsvCell. Such files are opened in spreadsheets, which
// run a cell that starts like a formula and split a cell at a comma: text
// from the server (a remark, an operator's name, a contract code) must never
// do either.
namespace korvant {

// True when a spreadsheet would take `text` as a formula: it starts with
// "=", "+", "-", "@", a tab or a carriage return and is not a plain number
// ("-12.5" and "+3" are numbers, "-2+3" is not; a sign alone is text).
bool csvStartsLikeFormula(std::string_view text);

// Appends `text` as one cell: a single quote in front when it starts like a
// formula, then quoted ("" for a quote) when it holds a comma, a quote or a
// line break, so that it keeps its column and its line. A cell without such
// characters is written byte for byte.
void appendCsvCell(std::string& out, std::string_view text);
std::string csvCell(std::string_view text);

// How appendCsvCell writes `text`: Plain, ASCII written byte for byte;
// Encoded, not ASCII but written byte for byte all the same (no character
// that breaks a cell, no start of a formula); Quoted, changed. Plain and
// Encoded text keep that kind in GBK.
enum class CsvCellKind { Plain, Encoded, Quoted };
CsvCellKind csvCellKind(std::string_view text);

// The text of a cell as appendCsvCell wrote it, after the quotes were
// taken off: the single quote in front of a formula start removed.
std::string_view csvCellText(std::string_view cell);

}  // namespace korvant
