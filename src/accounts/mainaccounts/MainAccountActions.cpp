#include <algorithm>
#include <string>
#include <variant>

#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/ActionDispatcher.h"
#include "app/Desk.h"
#include "app/LinkedAccountLoads.h"
#include "app/ListSelection.h"

namespace korvant {

namespace {

const MainAccount* selectedMainAccount(Desk& desk) {
    return firstSelected(desk, desk.accounts().mainAccounts);
}

}  // namespace

void registerMainAccountActions(Desk& desk) {
    ActionDispatcher& d = desk.dispatcher();
    d.registerHandler(ActionCode::CreateMainAccount,
                      [&desk](const ActionMessage&) { createMainAccount(desk); });
    d.registerHandler(ActionCode::ModifyMainAccount, [&desk](const ActionMessage&) {
        modifyMainAccount(desk, selectedMainAccount(desk));
    });
    d.registerHandler(ActionCode::DeleteMainAccount, [&desk](const ActionMessage&) {
        deleteMainAccount(desk, selectedMainAccount(desk));
    });
    d.registerHandler(ActionCode::LinkMainAccount,
                      [&desk](const ActionMessage&) { linkMainAccount(desk); });
    d.registerHandler(ActionCode::ReloadParentMainAccounts, [&desk](const ActionMessage&) {
        loadParentMainAccounts(desk, desk.mainState().group.code);
    });
    // Posted with the row once confirmed; without a row it is the menu item
    // itself and confirms the selected link first.
    d.registerHandler(ActionCode::UnlinkMainAccount, [&desk](const ActionMessage& m) {
        const RecordCache<MainAccountLink>& links = desk.accounts().mainAccountLinks;
        int row = m.intArg(-1);
        if (!std::holds_alternative<int>(m.arg)) {
            row = firstSelectedRow(desk, links.count());
            if (!confirmUnlinkMainAccount(desk, row)) return;
        }
        if (row < 0 || row >= links.count()) return;
        const std::string account = links.at(row).account;
        unlinkMainAccount(desk, desk.mainState().group.code, account);
    });
}

}  // namespace korvant
