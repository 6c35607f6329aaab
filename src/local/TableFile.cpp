#include "local/TableFile.h"

namespace korvant {

std::unique_ptr<TableFile> makeCsvTableFile(const std::string& path, const TableLayout& layout);
std::unique_ptr<TableFile> makeXlsxTableFile(const std::string& path, const TableLayout& layout);

TableFileFormat tableFormatOf(std::string_view path) {
    constexpr std::string_view Ending = ".xlsx";
    if (path.size() < Ending.size()) return TableFileFormat::Csv;
    const std::string_view end = path.substr(path.size() - Ending.size());
    for (std::size_t i = 0; i < Ending.size(); ++i)
        if ((end[i] | 0x20) != Ending[i]) return TableFileFormat::Csv;
    return TableFileFormat::Xlsx;
}

std::unique_ptr<TableFile> openTableFile(const std::string& path, const TableLayout& layout,
                                         TableFileFormat format) {
    return format == TableFileFormat::Xlsx ? makeXlsxTableFile(path, layout)
                                           : makeCsvTableFile(path, layout);
}

}  // namespace korvant
