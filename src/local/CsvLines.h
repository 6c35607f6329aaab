#pragma once

#include <string>

#include "local/TableLayout.h"
#include "local/TableSink.h"

// Rows as the lines of a CSV file, appended to a text (UTF-8): cells
// separated by ",", text through appendCsvCell, numbers with their column's
// decimals, integers and dates "%d", CR LF after each row.
namespace korvant {

// A number cell of column `column` of `layout` written to `text` (room for
// FixedTextSize bytes): the column's decimals (2 past the declared
// columns), trailing zeros removed in a trimmed column, where a value that
// rounds to 0 is no text at all. The length.
std::size_t writeCsvNumber(char* text, double value, const TableLayout& layout, std::size_t column);

class CsvLines final : public TableSink {
public:
    // `layout` must outlive the writer.
    CsvLines(std::string& out, const TableLayout& layout) : out_(&out), layout_(layout) {}
    void text(std::string_view value) override;
    void integer(int64_t value) override;
    void number(double value) override;
    void none(std::string_view csvText) override;
    void endRow() override;

private:
    void separate() {
        if (column_++ > 0) *out_ += ',';
    }

    std::string* out_;
    const TableLayout& layout_;
    std::size_t column_ = 0;
};

}  // namespace korvant
