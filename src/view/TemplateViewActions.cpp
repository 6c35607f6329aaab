#include <vector>

#include "app/actions/ActionDispatcher.h"
#include "templates/TemplateOperations.h"
#include "templates/TemplateViews.h"
#include "view/DeskView.h"
#include "view/ListSelection.h"
#include "view/ViewPaging.h"
#include "view/WindowActions.h"

namespace korvant {

namespace {

void registerKind(DeskView& view, const TemplateKind& kind) {
    ActionDispatcher& d = view.desk().dispatcher();
    DeskView* p = &view;
    const TemplateKind* k = &kind;
    // The rates of the chosen node; while the kind's view is on screen its
    // pager shows page 1 of the contract list's pages.
    d.registerHandler(kind.actions.nodeSelected, [p, k](const ActionMessage& m) {
        showTemplateRates(p->desk(), *k, m.intArg());
        if (p->state().view == k->view) updatePageLabel(*p);
    });
    d.registerHandler(kind.actions.loadTemplate, [p, k](const ActionMessage&) {
        const std::vector<SubAccount> selected = selectedSubAccounts(*p);
        assignTemplateWithPicker(p->desk(), *k, selected.empty() ? nullptr : &selected.front(),
                                 p->state().group.code);
    });
    // The main window's pager turns the rate pages; switching to the view
    // shows page 0 of the chosen template (while none is chosen, the
    // contracts without rates).
    Desk* desk = &view.desk();
    ViewPager pager = reportPager(*desk, templateView(*desk, kind).page);
    pager.shown = [desk, k] { templateView(*desk, *k).page.showPage(*desk, 0); };
    pager.rowChosen = [desk, k] {
        const TemplateView& chosen = templateView(*desk, *k);
        return chosen.page.enabled() && chosen.selectedRow >= 0 &&
               chosen.selectedRow < chosen.page.rowCount();
    };
    view.state().pagers[kind.view] = std::move(pager);
}

}  // namespace

void registerTemplateViewActions(DeskView& view) {
    registerKind(view, feeKind());
    registerKind(view, marginKind());
}

}  // namespace korvant
