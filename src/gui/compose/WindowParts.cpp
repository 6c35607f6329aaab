#include "gui/compose/WindowParts.h"

#include <string>

#include "gui/accounts/AccountMenus.h"
#include "gui/reports/OperationLogView.h"
#include "gui/reports/ReportMenus.h"
#include "gui/reports/ReportTabs.h"
#include "gui/risk/RiskMenus.h"
#include "gui/risk/WarehouseView.h"
#include "gui/shell/MainWindow.h"
#include "gui/templates/TemplateViews.h"

namespace korvant::gui {

WindowParts deskWindowParts() {
    WindowParts parts;
    for (const MenuTable& area : {accountMenuEntries(), riskMenuEntries(), reportMenuEntries()})
        parts.menus.insert(parts.menus.end(), area.begin(), area.end());
    parts.installViews = [](MainWindow& window) {
        const auto run = [&window](const std::function<void()>& work) {
            return window.callCore(work);
        };
        installReportTabs(window.view(), *window.content(), run,
                          [&window](const std::string& text) {
                              window.selectReportNode(QString::fromStdString(text));
                          });
        installTemplateViews(window);
        installRiskView(window);
        installOperationLogView(window.view(), *window.content(), run);
    };
    return parts;
}

}  // namespace korvant::gui
