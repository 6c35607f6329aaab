#include "local/TableCellTexts.h"

#include "text/NumberText.h"

namespace korvant {

void TableCellTexts::text(std::string_view value) {
    cells_.emplace_back(value);
}

void TableCellTexts::integer(int64_t value) {
    cells_.push_back(formatInt(value));
}

void TableCellTexts::number(double value) {
    const std::size_t column = cells_.size();
    const int decimals = column < layout_.columns.size() ? layout_.columns[column].decimals : 2;
    cells_.push_back(formatFixed(value, decimals));
}

void TableCellTexts::none(std::string_view csvText) {
    cells_.emplace_back(csvText);
}

}  // namespace korvant
