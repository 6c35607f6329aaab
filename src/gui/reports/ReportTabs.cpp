#include "gui/reports/ReportTabs.h"

#include <initializer_list>

#include "accounts/deposits/DepositRecordsPage.h"
#include "gui/accounts/DepositRecordsTab.h"
#include "gui/reports/FundsTab.h"
#include "gui/reports/NetValueTab.h"
#include "gui/reports/StatementTab.h"
#include "gui/reports/TradingReportTabs.h"
#include "gui/shell/ContentPanel.h"
#include "reports/money/FundsPage.h"
#include "reports/money/NetValuePage.h"
#include "reports/statements/StatementPage.h"
#include "reports/trading/TradingPages.h"

namespace korvant::gui {

void installReportTabs(Desk& desk, ContentPanel& content, const ReportQueryTab::Runner& run,
                       const std::function<void(const std::string&)>& selectNode) {
    ReportQueryTab::install(desk, content, new DepositRecordsTab(desk, run, &content),
                            DepositRecordsPage::Tab);
    StatementTab::install(desk, content, run);
    ReportQueryTab::install(desk, content, new FundsTab(desk, run, &content), FundsPage::Tab);
    ReportQueryTab::install(desk, content, new NetValueTab(desk, run, &content), NetValuePage::Tab);
    installTradingReportTabs(desk, content, run);
    statementPage(desk).selectReportNode = selectNode;
    for (ReportQueryPage* page : std::initializer_list<ReportQueryPage*>{
             &depositRecordsPage(desk), &fundsPage(desk), &tradesPage(desk), &ordersPage(desk),
             &positionsPage(desk)})
        page->selectReportNode = selectNode;
}

}  // namespace korvant::gui
