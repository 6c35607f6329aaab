#include "gui/shell/ReportTabInstall.h"

#include <QTabBar>

#include "app/desk/Desk.h"
#include "app/pages/ReportQueryPage.h"
#include "gui/shell/ContentPanel.h"
#include "gui/widgets/ReportQueryTab.h"
#include "view/DeskView.h"

namespace korvant::gui {

void installReportTab(DeskView& view, ContentPanel& content, ReportQueryTab* tab, int index) {
    Desk& desk = view.desk();
    QTabBar* strip = content.viewStrip(ViewKind::Reports);
    if (strip == nullptr) return;
    tab->hide();
    tab->takeFields();
    auto shown = [&desk, &view, &content, tab, index](int current) {
        showReportTab(desk, tab->page(), current == index);
        if (current != index) return;
        tab->redraw();
        if (content.viewPage(ViewKind::Reports) != tab) content.setViewPage(ViewKind::Reports, tab);
        const MainState& state = view.state();
        if (state.view == ViewKind::Reports)
            content.showView(ViewKind::Reports, state.strip, state.shownList);
    };
    QObject::connect(strip, &QTabBar::currentChanged, tab, shown);
}

}  // namespace korvant::gui
