#include "reports/ReportActions.h"

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "app/lists/AccountListQuery.h"
#include "reports/params/TradingParametersForm.h"
#include "reports/settlement/SettlementOperations.h"

namespace korvant {

void registerReportActions(Desk& desk) {
    ActionDispatcher& d = desk.dispatcher();
    Desk* p = &desk;
    d.registerHandler(ActionCode::StartSettlement,
                      [p](const ActionMessage&) { startSettlement(*p); });
    d.registerHandler(ActionCode::SettlementPrices,
                      [p](const ActionMessage&) { showSettlementPrices(*p); });
    d.registerHandler(ActionCode::ClearSettlement,
                      [p](const ActionMessage&) { clearSettlement(*p); });
    d.registerHandler(ActionCode::TradingParameters,
                      [p](const ActionMessage&) { editTradingParameters(*p); });
    d.registerHandler(ActionCode::LogPageLabel,
                      [p](const ActionMessage&) { p->notify(DeskChange::PageLabel); });
}

}  // namespace korvant
