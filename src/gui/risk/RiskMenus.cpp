#include "gui/risk/RiskMenus.h"

#include "risk/RiskActions.h"

namespace korvant::gui {

MenuTable riskMenuEntries() {
    return {
        {MenuPlace::GroupTree, "加载风控策略", ActionCode::LoadRiskStrategy, EnableRule::GroupNode,
         LoadFromGroups},
    };
}

}  // namespace korvant::gui
