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

void CsvLines::number(double value) {
    const std::size_t column = column_;
    separate();
    *out_ +=
        formatFixed(value, column < layout_.columns.size() ? layout_.columns[column].decimals : 2);
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
