#include "gui/reports/ReportMenus.h"

namespace korvant::gui {

MenuTable reportMenuEntries() {
    // The settlement commands have no action of their own yet: they are
    // enabled when the core registers a handler under their command number.
    auto command = [](int id) { return static_cast<ActionCode>(id); };
    return {
        {MenuPlace::Operations, "交易参数", command(32848)},
        {MenuPlace::Operations, "开始结算", command(32830)},
        {MenuPlace::Operations, "结算价设置", command(32831)},
        {MenuPlace::Operations, "清除结算数据", command(32854)},
    };
}

}  // namespace korvant::gui
