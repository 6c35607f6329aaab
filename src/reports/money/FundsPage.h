#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/export/ReportExport.h"
#include "reports/money/MoneyRequests.h"
#include "reports/money/MoneyRows.h"
#include "reports/money/MoneyRowsPage.h"

// The report tab " 账户资金 ": the funds of the target's accounts on one
// trading day, sorted as the server is asked to, and their CSV export.
namespace korvant {

// The 16 column captions, "账号" … "风险度".
const std::array<const char*, 16>& fundsCaptions();
// The cells of one row as listed: the day with "%d", the risk degree as
// received, every other number with two decimals.
std::vector<std::string> fundsCells(const FundsRow& row);
// "排列方式:": the captions of the sort keys 1 to 15, in their order.
const std::array<const char*, FundsSortKeys>& fundsSortCaptions();

class FundsPage : public MoneyRowsPage<FundsRow> {
public:
    static constexpr int Tab = 1;

    FundsPage() : MoneyRowsPage(fundsCaptions(), fundsCells) {}

    int32_t day = 0;  // "日期:", yyyymmdd
    int32_t sortKey = 1;
    int32_t order = FundsAscending;

    bool showPage(Desk& desk, int page) override;

    // The query of `page` with the page's values and target.
    FundsQuery queryOf(int32_t page) const;
};

// The desk's funds page.
FundsPage& fundsPage(Desk& desk);

// "导出": the dialog (its days from the page's day), then exportFundsTo.
bool exportFunds(Desk& desk, FundsPage& page);
// Every page of the export (command 88, one export number throughout) for
// the form's days, with the page's sort, order and target, written to the
// form's file; the list then shows the rows of the last answer.
ReportExportResult exportFundsTo(Desk& desk, FundsPage& page, const ReportExportForm& form);

}  // namespace korvant
