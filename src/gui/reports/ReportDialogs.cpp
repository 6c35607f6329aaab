#include "gui/reports/ReportDialogs.h"

#include "gui/reports/PositionChangeDialog.h"
#include "gui/reports/SettlementPricesDialog.h"
#include "gui/reports/SettlementStatusDialog.h"
#include "gui/reports/StatementBatchDialog.h"
#include "gui/reports/TradingParametersDialog.h"
#include "gui/shell/DialogRegistry.h"

namespace korvant::gui {

void registerReportDialogs(DialogRegistry& registry) {
    registry.add<TradingParametersDialog, TradingParametersForm>();
    registry.add<StatementBatchDialog, StatementBatchForm>();
    registry.add<PositionChangeDialog, PositionChangeForm>();
    registry.add<SettlementStatusForm>(
        [](SettlementStatusForm& form, const FormValidator&, QWidget* parent) {
            SettlementStatusDialog dialog(form, parent);
            return dialog.run();
        });
    registry.add<SettlementPricesForm>(
        [](SettlementPricesForm& form, const FormValidator&, QWidget* parent) {
            SettlementPricesDialog dialog(form, parent);
            return dialog.run();
        });
}

}  // namespace korvant::gui
