#include "cli/TablePage.h"

#include "text/NumberText.h"

namespace korvant::cli {

TablePage::TablePage(const std::vector<std::string>& captions, std::vector<std::string> fieldNames)
    : names_(std::move(fieldNames)) {
    for (const std::string& caption : captions) columns_.push_back({caption});
}

void TablePage::add(std::vector<RawValue> values) {
    std::vector<std::string> texts;
    for (const RawValue& value : values) {
        if (const auto* text = std::get_if<std::string>(&value))
            texts.push_back(*text);
        else if (const auto* integer = std::get_if<int64_t>(&value))
            texts.push_back(formatInt(*integer));
        else
            texts.push_back(formatTrimmed(std::get<double>(value), 6));
    }
    add(std::move(texts), std::move(values));
}

void TablePage::add(std::vector<std::string> cells, std::vector<RawValue> values) {
    cells_.push_back(std::move(cells));
    values_.push_back(std::move(values));
}

}  // namespace korvant::cli
