#include "gui/Dialogs.h"

#include "gui/AdvancedSearchDialog.h"
#include "gui/DialogRegistry.h"
#include "gui/LoginDialog.h"

namespace korvant::gui {

void registerDialogs(DialogRegistry& registry) {
    registry.add<LoginDialog, LoginForm>();
    registry.add<AdvancedSearchDialog, AdvancedSearchForm>();
}

}  // namespace korvant::gui
