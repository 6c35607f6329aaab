#include "accounts/groups/GroupOperations.h"
#include "app/actions/ActionDispatcher.h"
#include "view/DeskView.h"
#include "view/WindowActions.h"

namespace korvant {

void registerGroupTreeActions(DeskView& view) {
    ActionDispatcher& d = view.desk().dispatcher();
    DeskView* p = &view;
    d.registerHandler(ActionCode::AddGroup,
                      [p](const ActionMessage&) { addGroup(p->desk(), p->state().group.id); });
    d.registerHandler(ActionCode::ModifyGroup,
                      [p](const ActionMessage&) { modifyGroup(p->desk(), p->state().group.id); });
}

}  // namespace korvant
