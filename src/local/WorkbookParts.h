#pragma once

#include <string>
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

std::string workbookStyles(const std::vector<std::string>& numberFormats);
std::string workbookXml(const std::vector<std::string>& sheetNames);
std::string workbookRelationships(std::size_t sheets);
std::string packageRelationships();
std::string contentTypes(std::size_t sheets);

}  // namespace korvant
