#include "core/CoreDesk.h"

#include "accounts/administrators/AdministratorOperations.h"
#include "accounts/groups/GroupOperations.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "app/session/ReferenceReload.h"
#include "reports/ReportActions.h"
#include "risk/RiskActions.h"
#include "templates/TemplateActions.h"

namespace korvant {

CoreDesk::CoreDesk(FrontEndPort& port, std::string dir) : Desk(port, std::move(dir)) {
    registerAreaActions(*this);
}

void registerAreaActions(Desk& desk) {
    registerReferenceReloadActions(desk);
    registerAdministratorActions(desk);
    registerGroupActions(desk);
    registerSubAccountSorter(desk);
    registerTemplateActions(desk);
    registerRiskActions(desk);
    registerReportActions(desk);
}

}  // namespace korvant
