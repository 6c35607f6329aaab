#pragma once

#include <string>
#include <vector>

#include "app/pages/ReportPage.h"

// Rows that are all on screen at once (the status list, the sub-accounts of
// one main account): the owner sets columns and rows, and the page is drawn
// as every other list is.
namespace korvant {

class FixedRowsPage : public ReportPage {
public:
    std::vector<ReportColumn> columnList;
    std::vector<std::vector<std::string>> rows;

    const std::vector<ReportColumn>& columns() const override { return columnList; }
    int rowCount() const override { return static_cast<int>(rows.size()); }
    std::vector<std::string> cells(int row) const override {
        return rows.at(static_cast<std::size_t>(row));
    }
    PageCursor cursor() const override { return PageCursor{1, 0}; }
    bool showPage(Desk&, int page) override { return page == 0; }
};

}  // namespace korvant
