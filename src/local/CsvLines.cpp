#include "local/CsvLines.h"

#include <charconv>

#include "local/CsvText.h"
#include "text/NumberText.h"

namespace korvant {

void CsvLines::text(std::string_view value) {
    separate();
    appendCsvCell(*out_, value);
}

void CsvLines::integer(int64_t value) {
    separate();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out_->append(digits, end);
}

std::size_t writeCsvNumber(char* text, double value, const TableLayout& layout,
                           std::size_t column) {
    const TableColumn* declared =
        column < layout.columns.size() ? &layout.columns[column] : nullptr;
    const int decimals = declared != nullptr ? declared->decimals : 2;
    if (declared == nullptr || !declared->trimmed) return writeFixed(text, value, decimals);
    const std::size_t n = writeTrimmed(text, value, decimals);
    return n == 1 && text[0] == '0' ? 0 : n;
}

void CsvLines::number(double value) {
    const std::size_t column = column_;
    separate();
    char text[FixedTextSize];
    out_->append(text, writeCsvNumber(text, value, layout_, column));
}

void CsvLines::none(std::string_view csvText) {
    separate();
    *out_ += csvText;
}

void CsvLines::endRow() {
    *out_ += "\r\n";
    column_ = 0;
}

}  // namespace korvant
