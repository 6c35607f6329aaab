#include "gui/reports/ReportTabs.h"

#include <initializer_list>

#include "accounts/deposits/DepositRecordsPage.h"
#include "gui/reports/DepositRecordsTab.h"
#include "gui/reports/FundsTab.h"
#include "gui/reports/NetValueTab.h"
#include "gui/reports/StatementTab.h"
#include "gui/reports/TradingReportTabs.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/ReportTabInstall.h"
#include "reports/money/FundsPage.h"
#include "reports/money/NetValuePage.h"
#include "reports/statements/StatementPage.h"
#include "reports/trading/TradingPages.h"
#include "view/DeskView.h"

namespace korvant::gui {

void installReportTabs(DeskView& view, ContentPanel& content, const ReportQueryTab::Runner& run,
                       const std::function<void(const std::string&)>& selectNode) {
    Desk& desk = view.desk();
    auto* deposits = new DepositRecordsTab(desk, run, &content);
    deposits->setObjectName(QStringLiteral("deposits"));
    installReportTab(view, content, deposits, DepositRecordsPage::Tab);
    if (StatementTab* statement = StatementTab::install(view, content, run))
        statement->setObjectName(QStringLiteral("statement"));
    auto* funds = new FundsTab(desk, run, &content);
    funds->setObjectName(QStringLiteral("funds"));
    installReportTab(view, content, funds, FundsPage::Tab);
    auto* netValues = new NetValueTab(desk, run, &content);
    netValues->setObjectName(QStringLiteral("netValues"));
    installReportTab(view, content, netValues, NetValuePage::Tab);
    installTradingReportTabs(view, content, run);
    statementPage(desk).selectReportNode = selectNode;
    for (ReportQueryPage* page : std::initializer_list<ReportQueryPage*>{
             &depositRecordsPage(desk), &fundsPage(desk), &tradesPage(desk), &ordersPage(desk),
             &positionsPage(desk)})
        page->selectReportNode = selectNode;
}

}  // namespace korvant::gui
