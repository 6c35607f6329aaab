#include "gui/accounts/AccountMenus.h"
#include "gui/reports/ReportMenus.h"
#include "gui/risk/RiskMenus.h"
#include "gui/shell/MenuTable.h"

namespace korvant::gui {

MenuTable allMenuEntries() {
    MenuTable all;
    for (const MenuTable& area : {accountMenuEntries(), riskMenuEntries(), reportMenuEntries()})
        all.insert(all.end(), area.begin(), area.end());
    return all;
}

}  // namespace korvant::gui
