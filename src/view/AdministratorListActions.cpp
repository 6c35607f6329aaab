#include "accounts/administrators/AdministratorOperations.h"
#include "app/actions/ActionDispatcher.h"
#include "view/DeskView.h"
#include "view/WindowActions.h"

namespace korvant {

void registerAdministratorListActions(DeskView& view) {
    ActionDispatcher& d = view.desk().dispatcher();
    DeskView* p = &view;
    d.registerHandler(ActionCode::AddAdministrator,
                      [p](const ActionMessage&) { addAdministrator(p->desk(), p->state().group); });
    d.registerHandler(ActionCode::ModifyAdministrator, [p](const ActionMessage&) {
        modifyAdministrator(p->desk(), p->state().selectedRows, p->state().group);
    });
    d.registerHandler(ActionCode::DeleteAdministrator, [p](const ActionMessage&) {
        deleteAdministrator(p->desk(), p->state().selectedRows);
    });
}

}  // namespace korvant
