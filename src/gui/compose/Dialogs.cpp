#include "gui/compose/Dialogs.h"

#include "gui/accounts/AccountDialogs.h"
#include "gui/accounts/AdministratorDialog.h"
#include "gui/accounts/DepositDialog.h"
#include "gui/accounts/GroupDialog.h"
#include "gui/accounts/MainAccountDialog.h"
#include "gui/accounts/SubAccountDialog.h"
#include "gui/reports/PositionChangeDialog.h"
#include "gui/reports/ReportExportDialog.h"
#include "gui/reports/SettlementPricesDialog.h"
#include "gui/reports/SettlementStatusDialog.h"
#include "gui/reports/StatementBatchDialog.h"
#include "gui/reports/TradingParametersDialog.h"
#include "gui/risk/RuleDialogs.h"
#include "gui/shell/AdvancedSearchDialog.h"
#include "gui/shell/DialogRegistry.h"
#include "gui/shell/LoginDialog.h"
#include "gui/templates/TemplateDialogs.h"

namespace korvant::gui {

void registerDialogs(DialogRegistry& registry) {
    registry.add<LoginDialog, LoginForm>();
    registry.add<AdvancedSearchDialog, AdvancedSearchForm>();
    registry.add<AdministratorDialog, AdministratorForm>();
    registry.add<PasswordDialog, PasswordForm>();
    registry.add<GroupDialog, GroupForm>();
    registry.add<DepositDialog, DepositForm>();
    registry.add<DepositExportDialog, DepositExportForm>();
    registry.add<ReportExportDialog, ReportExportForm>();
    registry.add<SubAccountDialog, SubAccountForm>();
    registry.add<MainAccountDialog, MainAccountForm>();
    registry.add<MainAccountChangeDialog, MainAccountChangeForm>();
    registry.add<MainAccountLinkDialog, MainAccountLinkForm>();
    registry.add<RateDialog, RateForm>();
    registry.add<TemplateNameDialog, TemplateNameForm>();
    registry.add<TemplatePickerDialog, TemplatePickerForm>();
    registry.add<ProductRuleDialog, ProductRuleForm>();
    registry.add<GenericRuleDialog, GenericRuleForm>();
    registry.add<ProductPickerDialog, ProductPickerForm>();
    registry.add<ExchangePickerDialog, ExchangePickerForm>();
    registry.add<RuleAssignmentDialog, RuleAssignmentForm>();
    registry.add<TradingParametersDialog, TradingParametersForm>();
    registry.add<StatementBatchDialog, StatementBatchForm>();
    registry.add<PositionChangeDialog, PositionChangeForm>();
    registry.add<SettlementStatusDialog, SettlementStatusForm>();
    registry.add<SettlementPricesDialog, SettlementPricesForm>();
}

}  // namespace korvant::gui
