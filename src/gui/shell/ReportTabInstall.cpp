#include "gui/shell/ReportTabInstall.h"

#include <QTabBar>

#include <utility>

#include "app/desk/Desk.h"
#include "app/pages/ReportQueryPage.h"
#include "gui/shell/ContentPanel.h"
#include "gui/widgets/ReportQueryTab.h"
#include "view/DeskView.h"

namespace korvant::gui {

bool installReportPage(DeskView& view, ContentPanel& content, QWidget* tab, int index,
                       std::function<void(bool shown)> selected) {
    QTabBar* strip = content.viewStrip(ViewKind::Reports);
    if (strip == nullptr) return false;
    tab->hide();
    auto shown = [&view, &content, tab, index, selected = std::move(selected)](int current) {
        selected(current == index);
        if (current != index) return;
        if (content.viewPage(ViewKind::Reports) != tab) content.setViewPage(ViewKind::Reports, tab);
        const MainState& state = view.state();
        if (state.view == ViewKind::Reports)
            content.showView(ViewKind::Reports, state.strip, state.shownList);
    };
    QObject::connect(strip, &QTabBar::currentChanged, tab, shown);
    // The tab that opens first.
    if (strip->currentIndex() == index) shown(index);
    return true;
}

void installReportTab(DeskView& view, ContentPanel& content, ReportQueryTab* tab, int index) {
    tab->takeFields();
    Desk& desk = view.desk();
    installReportPage(view, content, tab, index, [&desk, tab](bool shown) {
        showReportTab(desk, tab->page(), shown);
        if (shown) tab->redraw();
    });
}

}  // namespace korvant::gui
