#include "gui/Dialogs.h"

#include "gui/AdministratorDialog.h"
#include "gui/AdvancedSearchDialog.h"
#include "gui/DepositDialog.h"
#include "gui/DepositExportDialog.h"
#include "gui/DialogRegistry.h"
#include "gui/GroupDialog.h"
#include "gui/LoginDialog.h"
#include "gui/MainAccountChangeDialog.h"
#include "gui/MainAccountDialog.h"
#include "gui/MainAccountLinkDialog.h"
#include "gui/PasswordDialog.h"
#include "gui/SubAccountDialog.h"

namespace korvant::gui {

void registerDialogs(DialogRegistry& registry) {
    registry.add<LoginDialog, LoginForm>();
    registry.add<AdvancedSearchDialog, AdvancedSearchForm>();
    registry.add<AdministratorDialog, AdministratorForm>();
    registry.add<PasswordDialog, PasswordForm>();
    registry.add<GroupDialog, GroupForm>();
    registry.add<DepositDialog, DepositForm>();
    registry.add<DepositExportDialog, DepositExportForm>();
    registry.add<SubAccountDialog, SubAccountForm>();
    registry.add<MainAccountDialog, MainAccountForm>();
    registry.add<MainAccountChangeDialog, MainAccountChangeForm>();
    registry.add<MainAccountLinkDialog, MainAccountLinkForm>();
}

}  // namespace korvant::gui
