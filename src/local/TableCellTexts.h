#pragma once

#include <string>
#include <vector>

#include "local/TableLayout.h"
#include "local/TableSink.h"

// The cells of one row as a list shows them: the same text a CSV file holds
// (numbers with the column's decimals, dates yyyymmdd), without the CSV
// file's quoting.
namespace korvant {

class TableCellTexts final : public TableSink {
public:
    explicit TableCellTexts(const TableLayout& layout) : layout_(layout) {}
    void text(std::string_view value) override;
    void integer(int64_t value) override;
    void number(double value) override;
    void none(std::string_view csvText) override;
    void endRow() override {}
    std::vector<std::string>& cells() { return cells_; }

private:
    const TableLayout& layout_;
    std::vector<std::string> cells_;
};

}  // namespace korvant
