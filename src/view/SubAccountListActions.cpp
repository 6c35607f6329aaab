#include <vector>

#include "accounts/subaccounts/SubAccountOperations.h"
#include "app/actions/ActionDispatcher.h"
#include "app/lists/LinkedAccountLoads.h"
#include "view/DeskView.h"
#include "view/ListSelection.h"
#include "view/WindowActions.h"

namespace korvant {

void registerSubAccountListActions(DeskView& view) {
    ActionDispatcher& d = view.desk().dispatcher();
    DeskView* p = &view;
    d.registerHandler(ActionCode::AddSubAccount,
                      [p](const ActionMessage&) { addSubAccount(p->desk(), p->state().group); });
    d.registerHandler(ActionCode::ModifySubAccount, [p](const ActionMessage&) {
        const std::vector<SubAccount> selected = selectedSubAccounts(*p);
        modifySubAccount(p->desk(), p->state().group.id,
                         selected.empty() ? nullptr : &selected.front());
    });
    d.registerHandler(ActionCode::DeleteSubAccount, [p](const ActionMessage&) {
        deleteSubAccounts(p->desk(), selectedSubAccounts(*p));
    });
    d.registerHandler(ActionCode::ReloadMainAccountLinks, [p](const ActionMessage&) {
        loadGroupMainAccountLinks(p->desk(), p->state().group.id);
    });
}

}  // namespace korvant
