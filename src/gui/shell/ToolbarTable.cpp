#include "gui/shell/ToolbarTable.h"

namespace korvant::gui {

std::span<const ToolbarButton> toolbarButtons() {
    static constexpr ToolbarButton buttons[] = {
        {"组", ToolbarCode::GroupMenu, "组快捷菜单"},
        {"新建", ToolbarCode::New},
        {"修改", ToolbarCode::Modify},
        {"删除", ToolbarCode::Delete},
        {"刷新", ToolbarCode::Refresh},
        {"展开/折叠", ToolbarCode::Expand},
    };
    return buttons;
}

}  // namespace korvant::gui
