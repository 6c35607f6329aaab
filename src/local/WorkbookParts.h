#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The parts of an .xlsx workbook besides its sheets: the package's content
// types and relationships, the workbook naming its sheets (xl/worksheets/
// sheet1.xml, sheet2.xml, ...) and the styles the cells refer to by index.
namespace korvant {

// Cell style indexes: 0 plain, 1 bold (captions), then one for each number
// format given to workbookStyles, in that order.
constexpr int PlainStyle = 0;
constexpr int BoldStyle = 1;
constexpr int FirstFormatStyle = 2;

// What one sheet holds, and the blocks its XML is handed to the zip in.
constexpr int64_t LastSheetRow = 1'048'576;
constexpr std::size_t MaxColumns = 16'384;
constexpr std::size_t MaxCellBytes = 32'767;
constexpr std::size_t SheetBlockSize = 256 * 1024;

// The bytes of `text` up to MaxCellBytes, not cutting a UTF-8 character.
std::string_view cellCut(std::string_view text);
// "A", "B", ..., "Z", "AA", ... for a column from 0.
std::string columnName(std::size_t column);
// Whether `c` is a space XML would drop at a text's ends.
inline bool isXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string workbookStyles(const std::vector<std::string>& numberFormats);
std::string workbookXml(const std::vector<std::string>& sheetNames);
std::string workbookRelationships(std::size_t sheets);
std::string packageRelationships();
std::string contentTypes(std::size_t sheets);

}  // namespace korvant
