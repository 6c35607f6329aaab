#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "local/TableLayout.h"
#include "local/TableSink.h"

// A table export's file, written page by page and put in place only when it
// is complete (StreamedFile): a CSV file (GBK, "," between the cells, CR LF
// line ends, text cells through appendCsvCell) or a workbook (.xlsx: the
// captions as a bold, frozen first row, numbers as numbers with their
// column's decimals, dates as dates, text as text), compressed and written
// on a thread of its own as the rows come, so that a file of millions of
// rows holds only a few blocks of them in memory at a time.
namespace korvant {

enum class TableFileFormat { Csv, Xlsx };

// Xlsx for a path ending in ".xlsx" (any case), Csv otherwise.
TableFileFormat tableFormatOf(std::string_view path);

enum class PageWrite { Written, TooLarge, Failed };

class TableFile : public TableSink {
public:
    // The rows since the last page go to the file, unless the file would
    // then be larger than `maxBytes` (TooLarge: the file is no use then).
    virtual PageWrite endPage(int64_t maxBytes) = 0;
    // Ends the file and gives it its name (StreamedFile::commit).
    virtual bool commit(bool mayReplace) = 0;
    virtual bool ok() const = 0;
    // Why not ok (fileErrorText).
    virtual const std::string& error() const = 0;
    // Bytes written (a workbook: the cells' bytes before compression).
    virtual int64_t size() const = 0;
};

// Creates the temporary file beside `path` and writes the header; check
// ok() before anything is fetched. A workbook's rows go on in a further
// sheet of the same name, numbered, when they would pass a sheet's last row.
std::unique_ptr<TableFile> openTableFile(const std::string& path, const TableLayout& layout,
                                         TableFileFormat format);
inline std::unique_ptr<TableFile> openTableFile(const std::string& path,
                                                const TableLayout& layout) {
    return openTableFile(path, layout, tableFormatOf(path));
}

}  // namespace korvant
