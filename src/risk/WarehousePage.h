#pragma once

#include <cstdint>
#include <vector>

#include "app/pages/ReportPage.h"
#include "risk/RiskRule.h"
#include "risk/RuleCatalogue.h"

// The main window's rule warehouse ("风控仓库"): the cached rules owned by
// the logged-in administrator under the category chosen in the tree, with
// "序号", "名称" and "备注". The rows are the cache's; one page.
namespace korvant {

class WarehousePage : public ReportPage {
public:
    const std::vector<ReportColumn>& columns() const override;
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    std::vector<std::string> cells(int row) const override;
    PageCursor cursor() const override { return PageCursor{1, 0}; }
    bool showPage(Desk& desk, int page) override;

    // The tree node chosen (a category, or -1 for "所有规则").
    int32_t node = -1;
    // The listed rules, in cache order.
    const std::vector<RiskRule>& rules() const { return rows_; }
    // Lists again from the cache and the catalogue in the desk's folder.
    void refresh(Desk& desk);

private:
    std::vector<RiskRule> rows_;
    std::vector<std::string> notes_;
};

}  // namespace korvant
