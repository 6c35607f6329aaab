#include "templates/TemplateActions.h"

#include "app/ActionDispatcher.h"
#include "app/Desk.h"
#include "app/ReportPage.h"
#include "templates/TemplateOperations.h"

namespace korvant {
namespace {

void registerKind(Desk& desk, const TemplateKind& kind) {
    ActionDispatcher& d = desk.dispatcher();
    const TemplateKind* k = &kind;
    Desk* p = &desk;
    d.registerHandler(kind.actions.nodeSelected,
                      [p, k](const ActionMessage& m) { showTemplateRates(*p, *k, m.intArg()); });
    d.registerHandler(kind.actions.modifyRates,
                      [p, k](const ActionMessage&) { modifyRates(*p, *k); });
    d.registerHandler(kind.actions.addTemplate,
                      [p, k](const ActionMessage&) { addTemplate(*p, *k); });
    d.registerHandler(kind.actions.renameTemplate,
                      [p, k](const ActionMessage&) { renameTemplate(*p, *k); });
    d.registerHandler(kind.actions.deleteTemplate,
                      [p, k](const ActionMessage&) { deleteTemplate(*p, *k); });
    d.registerHandler(kind.actions.loadTemplate,
                      [p, k](const ActionMessage&) { assignTemplate(*p, *k); });
    d.registerHandler(kind.actions.exportTemplate,
                      [p, k](const ActionMessage&) { exportTemplate(*p, *k); });
    // The main window's pager turns the rate pages; switching to the view
    // shows page 0 of the chosen template (while none is chosen, the
    // contracts without rates).
    ViewPager pager = reportPager(desk, templateView(desk, kind).page);
    pager.shown = [p, k] { templateView(*p, *k).page.showPage(*p, 0); };
    pager.rowChosen = [p, k] {
        const TemplateView& view = templateView(*p, *k);
        return view.page.enabled() && view.selectedRow >= 0 &&
               view.selectedRow < view.page.rowCount();
    };
    desk.mainState().pagers[kind.view] = std::move(pager);
}

}  // namespace

void registerTemplateActions(Desk& desk) {
    registerKind(desk, feeKind());
    registerKind(desk, marginKind());
}

}  // namespace korvant
