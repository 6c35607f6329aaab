#include "gui/reports/ReportMenus.h"

namespace korvant::gui {

MenuTable reportMenuEntries() {
    // Enabled when the core has registered a handler for the action.
    return {
        {MenuPlace::Operations, "交易参数", ActionCode::TradingParameters},
        {MenuPlace::Operations, "开始结算", ActionCode::StartSettlement},
        {MenuPlace::Operations, "结算价设置", ActionCode::SettlementPrices},
        {MenuPlace::Operations, "清除结算数据", ActionCode::ClearSettlement},
    };
}

}  // namespace korvant::gui
