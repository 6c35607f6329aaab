#pragma once

#include <string>
#include <string_view>

// A CSV text composed elsewhere (a server's statement in CSV style, GBK)
// written as a workbook of one sheet: each line one row, split by the CSV
// quoting rules, empty lines kept as empty rows, the cells decoded to
// UTF-8. Only plain amounts become numbers; every other cell stays the text
// the CSV line holds. The file is put in place only when it is complete.
namespace korvant {

// Writes `gbk` to `path` as a workbook whose sheet is named `sheet`,
// replacing a file of that name. On failure returns false and stores the
// reason in `error` (fileErrorText, or why the text does not fit a sheet).
bool writeCsvTextWorkbook(const std::string& path, std::string_view gbk, const std::string& sheet,
                          std::string& error);

// Whether a CSV cell is plainly an amount, and its count of decimals (see
// the rule in the source); -1 for a cell that stays text.
int amountDecimals(std::string_view cell);

}  // namespace korvant
