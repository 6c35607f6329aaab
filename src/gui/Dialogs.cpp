#include "gui/Dialogs.h"

#include "gui/AdvancedSearchDialog.h"
#include "gui/DialogRegistry.h"
#include "gui/LoginDialog.h"
#include "gui/MainAccountChangeDialog.h"
#include "gui/MainAccountDialog.h"
#include "gui/MainAccountLinkDialog.h"
#include "gui/SubAccountDialog.h"

namespace korvant::gui {

void registerDialogs(DialogRegistry& registry) {
    registry.add<LoginDialog, LoginForm>();
    registry.add<AdvancedSearchDialog, AdvancedSearchForm>();
    registry.add<SubAccountDialog, SubAccountForm>();
    registry.add<MainAccountDialog, MainAccountForm>();
    registry.add<MainAccountChangeDialog, MainAccountChangeForm>();
    registry.add<MainAccountLinkDialog, MainAccountLinkForm>();
}

}  // namespace korvant::gui
