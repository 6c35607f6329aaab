#include "gui/reports/ReportDialogs.h"

#include "gui/reports/SettlementPricesDialog.h"
#include "gui/reports/SettlementStatusDialog.h"
#include "gui/reports/StatementBatchDialog.h"
#include "gui/reports/TradingParametersDialog.h"
#include "gui/shell/DialogRegistry.h"

namespace korvant::gui {

void registerReportDialogs(DialogRegistry& registry) {
    registry.add<TradingParametersDialog, TradingParametersForm>();
    registry.add<StatementBatchDialog, StatementBatchForm>();
    registry.add(SettlementStatusForm::Kind, [](QWidget* parent, Form& form, const FormValidator&) {
        SettlementStatusDialog dialog(dynamic_cast<SettlementStatusForm&>(form), parent);
        return dialog.run();
    });
    registry.add(SettlementPricesForm::Kind, [](QWidget* parent, Form& form, const FormValidator&) {
        SettlementPricesDialog dialog(dynamic_cast<SettlementPricesForm&>(form), parent);
        return dialog.run();
    });
}

}  // namespace korvant::gui
