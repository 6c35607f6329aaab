#include <vector>

#include "accounts/deposits/DepositOperations.h"
#include "app/actions/ActionDispatcher.h"
#include "view/DeskView.h"
#include "view/ListSelection.h"
#include "view/WindowActions.h"

namespace korvant {

void registerDepositListActions(DeskView& view) {
    ActionDispatcher& d = view.desk().dispatcher();
    DeskView* p = &view;
    d.registerHandler(ActionCode::SubAccountDeposit, [p](const ActionMessage&) {
        const std::vector<SubAccount> selected = selectedSubAccounts(*p);
        depositSubAccount(p->desk(), p->state().group,
                          selected.empty() ? nullptr : &selected.front());
    });
    d.registerHandler(ActionCode::MainAccountDeposit, [p](const ActionMessage&) {
        depositMainAccount(p->desk(), p->state().group,
                           firstSelected(*p, p->desk().accounts().mainAccounts));
    });
    d.registerHandler(ActionCode::LinkDeposit, [p](const ActionMessage&) {
        depositLink(p->desk(), p->state().group,
                    firstSelected(*p, p->desk().accounts().mainAccountLinks));
    });
}

}  // namespace korvant
