#pragma once

#include <string>
#include <vector>

#include "app/pages/ReportPage.h"

// Rows that a command prints whole, without a pager (the group tree, the
// template list, the rules loaded onto an account): captions, and per row
// the cells as shown and the raw values under field names, so that the
// rows come out in every --format (Command::printRows).
namespace korvant::cli {

class TablePage : public ReportPage {
public:
    TablePage(const std::vector<std::string>& captions, std::vector<std::string> fieldNames);

    // A row whose cells are the texts of its values (numbers in decimal).
    void add(std::vector<RawValue> values);
    void add(std::vector<std::string> cells, std::vector<RawValue> values);

    const std::vector<ReportColumn>& columns() const override { return columns_; }
    int rowCount() const override { return static_cast<int>(cells_.size()); }
    std::vector<std::string> cells(int row) const override {
        return cells_.at(static_cast<std::size_t>(row));
    }
    std::vector<std::string> fieldNames() const override { return names_; }
    std::vector<RawValue> rawValues(int row) const override {
        return values_.at(static_cast<std::size_t>(row));
    }
    PageCursor cursor() const override { return PageCursor{1, 0}; }
    bool showPage(Desk&, int page) override { return page == 0; }

private:
    std::vector<ReportColumn> columns_;
    std::vector<std::string> names_;
    std::vector<std::vector<std::string>> cells_;
    std::vector<std::vector<RawValue>> values_;
};

}  // namespace korvant::cli
