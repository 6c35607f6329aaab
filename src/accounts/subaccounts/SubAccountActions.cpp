#include "accounts/subaccounts/SubAccountOperations.h"
#include "accounts/subaccounts/SubAccountSort.h"
#include "app/AccountListSort.h"
#include "app/ActionDispatcher.h"
#include "app/Desk.h"
#include "app/LinkedAccountLoads.h"
#include "app/ListSelection.h"

namespace korvant {

void registerSubAccountActions(Desk& desk) {
    ActionDispatcher& d = desk.dispatcher();
    d.registerHandler(ActionCode::AddSubAccount,
                      [&desk](const ActionMessage&) { addSubAccount(desk); });
    d.registerHandler(ActionCode::ModifySubAccount, [&desk](const ActionMessage&) {
        const std::vector<SubAccount> selected = selectedSubAccounts(desk);
        modifySubAccount(desk, selected.empty() ? nullptr : &selected.front());
    });
    d.registerHandler(ActionCode::DeleteSubAccount, [&desk](const ActionMessage&) {
        deleteSubAccounts(desk, selectedSubAccounts(desk));
    });
    d.registerHandler(ActionCode::ReloadMainAccountLinks, [&desk](const ActionMessage&) {
        loadGroupMainAccountLinks(desk, desk.mainState().group.id);
    });
    registerColumnSorter<SubAccountSorter>(desk, AccountList::SubAccounts,
                                           &AccountCaches::subAccounts);
}

}  // namespace korvant
