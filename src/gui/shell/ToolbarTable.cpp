#include "gui/shell/ToolbarTable.h"

namespace korvant::gui {

std::span<const ToolbarButton> toolbarButtons() {
    static constexpr ToolbarButton buttons[] = {
        {"组", ToolbarCode::GroupMenu, "组快捷菜单", "folder", "group", std::nullopt, 'G'},
        {"新建", ToolbarCode::New, "新建", "document-new", "new", ToolbarCommand::New, 'N'},
        {"修改", ToolbarCode::Modify, "修改", "document-properties", "modify",
         ToolbarCommand::Modify, 'M'},
        {"删除", ToolbarCode::Delete, "删除", "edit-delete", "delete", ToolbarCommand::Delete, 'D'},
        {"刷新", ToolbarCode::Refresh, "刷新 (F5)", "view-refresh", "refresh", std::nullopt, 'R'},
        {"展开/折叠", ToolbarCode::Expand, "展开/折叠", "view-list-tree", "expand", std::nullopt,
         'T'},
    };
    return buttons;
}

std::optional<ToolbarCommand> toolbarCommandOf(ToolbarCode code) {
    for (const ToolbarButton& button : toolbarButtons())
        if (button.code == code) return button.command;
    return std::nullopt;
}

}  // namespace korvant::gui
