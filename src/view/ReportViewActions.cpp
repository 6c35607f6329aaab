#include <variant>

#include "app/actions/ActionDispatcher.h"
#include "app/pages/ReportPage.h"
#include "view/DeskView.h"
#include "view/WindowActions.h"

namespace korvant {

void registerReportViewActions(DeskView& view) {
    DeskView* p = &view;
    view.desk().dispatcher().registerHandler(
        ActionCode::ReportAccountChosen, [p](const ActionMessage& m) {
            const auto* node = std::get_if<ReportNodeArgument>(&m.arg);
            if (node == nullptr) return;
            chooseReportTarget(p->desk(), {node->data, node->text},
                               p->state().view == ViewKind::Reports);
        });
    // The pager pages the report page under the reports view's tab strip,
    // whichever it is now; none: nothing to page.
    Desk* desk = &view.desk();
    ViewPager pager;
    pager.cursor = [desk] {
        const ReportPage* shown = reportPages(*desk).shown;
        return shown != nullptr ? shown->cursor() : PageCursor{0, 0};
    };
    pager.query = [desk](int page) {
        if (ReportPage* shown = reportPages(*desk).shown) shown->showPage(*desk, page);
    };
    view.state().pagers[ViewKind::Reports] = std::move(pager);
}

}  // namespace korvant
