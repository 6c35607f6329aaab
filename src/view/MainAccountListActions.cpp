#include <string>
#include <variant>

#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/actions/ActionDispatcher.h"
#include "app/lists/LinkedAccountLoads.h"
#include "view/DeskView.h"
#include "view/ListSelection.h"
#include "view/WindowActions.h"

namespace korvant {

void registerMainAccountListActions(DeskView& view) {
    ActionDispatcher& d = view.desk().dispatcher();
    DeskView* p = &view;
    auto selected = [p] { return firstSelected(*p, p->desk().accounts().mainAccounts); };
    d.registerHandler(ActionCode::CreateMainAccount, [p](const ActionMessage&) {
        createMainAccount(p->desk(), p->state().group.code);
    });
    d.registerHandler(ActionCode::ModifyMainAccount, [p, selected](const ActionMessage&) {
        modifyMainAccount(p->desk(), selected());
    });
    d.registerHandler(ActionCode::DeleteMainAccount, [p, selected](const ActionMessage&) {
        deleteMainAccount(p->desk(), selected());
    });
    d.registerHandler(ActionCode::LinkMainAccount, [p](const ActionMessage&) {
        linkMainAccount(p->desk(), p->state().group.code);
    });
    d.registerHandler(ActionCode::ReloadParentMainAccounts, [p](const ActionMessage&) {
        loadParentMainAccounts(p->desk(), p->state().group.code);
    });
    // Posted with the row once confirmed; without a row it is the menu item
    // itself and confirms the selected link first.
    d.registerHandler(ActionCode::UnlinkMainAccount, [p](const ActionMessage& m) {
        Desk& desk = p->desk();
        const RecordCache<MainAccountLink>& links = desk.accounts().mainAccountLinks;
        int row = m.intArg(-1);
        if (!std::holds_alternative<int>(m.arg)) {
            row = firstSelectedRow(*p, links.count());
            if (!confirmUnlinkMainAccount(desk, row)) return;
        }
        if (row < 0 || row >= links.count()) return;
        const std::string account = links.at(row).account;
        unlinkMainAccount(desk, p->state().group.code, account);
    });
}

}  // namespace korvant
