#include "gui/shell/ReportTabInstall.h"

#include <QTabBar>

#include "app/Desk.h"
#include "app/ReportQueryPage.h"
#include "gui/shell/ContentPanel.h"
#include "gui/widgets/ReportQueryTab.h"

namespace korvant::gui {

void installReportTab(Desk& desk, ContentPanel& content, ReportQueryTab* tab, int index) {
    QTabBar* strip = content.viewStrip(ViewKind::Reports);
    if (strip == nullptr) return;
    tab->hide();
    tab->takeFields();
    auto shown = [&desk, &content, tab, index](int current) {
        showReportTab(desk, tab->page(), current == index);
        if (current != index) return;
        tab->redraw();
        if (content.viewPage(ViewKind::Reports) != tab) content.setViewPage(ViewKind::Reports, tab);
        if (desk.mainState().view == ViewKind::Reports)
            content.showView(ViewKind::Reports, desk.mainState().strip, desk.mainState().shownList);
    };
    QObject::connect(strip, &QTabBar::currentChanged, tab, shown);
}

}  // namespace korvant::gui
