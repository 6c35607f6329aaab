#include "gui/reports/ReportTabs.h"

#include <initializer_list>

#include "accounts/deposits/DepositRecordsPage.h"
#include "gui/accounts/DepositRecordsTab.h"
#include "gui/reports/FundsTab.h"
#include "gui/reports/NetValueTab.h"
#include "gui/reports/StatementTab.h"
#include "gui/reports/TradingReportTabs.h"
#include "reports/money/FundsPage.h"
#include "reports/statements/StatementPage.h"
#include "reports/trading/TradingPages.h"

namespace korvant::gui {

void installReportTabs(Desk& desk, ContentPanel& content, const ReportQueryTab::Runner& run,
                       const std::function<void(const std::string&)>& selectNode) {
    DepositRecordsTab::install(desk, content, run);
    StatementTab::install(desk, content, run);
    FundsTab::install(desk, content, run);
    NetValueTab::install(desk, content, run);
    installTradingReportTabs(desk, content, run);
    statementPage(desk).selectReportNode = selectNode;
    for (ReportQueryPage* page : std::initializer_list<ReportQueryPage*>{
             &depositRecordsPage(desk), &fundsPage(desk), &tradesPage(desk), &ordersPage(desk),
             &positionsPage(desk)})
        page->selectReportNode = selectNode;
}

}  // namespace korvant::gui
