#pragma once

#include <optional>
#include <vector>

#include "app/actions/ActionCode.h"

// Menu entries as data. Each area lists the entries it adds to the menu bar
// and to the context menus in one table file (gui/accounts/AccountMenus.cpp,
// gui/reports/ReportMenus.cpp …); the desk's composition root hands the
// tables of every area to the main window (WindowParts), which builds its
// menus from them and ties each entry to its action code through ActionHooks.
namespace korvant::gui {

// The menu an entry goes into.
enum class MenuPlace {
    System,               // menu bar "系统", before "退出"
    Operations,           // menu bar "操作"
    GroupTree,            // "组快捷菜单": the groups tree and the toolbar's group button
    AdministratorList,    // "管理员快捷菜单"
    SubAccountList,       // "用户快捷菜单" of the sub-account list
    MainAccountList,      // "主账号" of a first-level group's main accounts
    MainAccountLinkList,  // "用户快捷菜单" of a second-level group's main accounts
};

// What an entry needs, besides a registered handler for its code, to be
// enabled.
enum class EnableRule {
    Handler,    // nothing more
    GroupNode,  // a node of the groups tree is selected
    RecordRow,  // a record row of the list on screen is selected
};

class MainWindow;

// What an entry without an action code runs: a window of its area, opened
// over the main window (e.g. "显示关联的子账号").
using WindowAction = void (*)(MainWindow& window);

struct MenuEntry {
    MenuEntry(MenuPlace place, const char* caption, ActionCode code,
              EnableRule enable = EnableRule::Handler, std::optional<int> argument = {})
        : place(place), caption(caption), code(code), enable(enable), argument(argument) {}
    // An entry that runs a window action instead of an action code.
    MenuEntry(MenuPlace place, const char* caption, WindowAction window, EnableRule enable)
        : place(place), caption(caption), enable(enable), window(window) {}

    MenuPlace place;
    const char* caption;  // UTF-8
    ActionCode code{};    // ignored for a window action
    EnableRule enable = EnableRule::Handler;
    std::optional<int> argument;  // sent with the action
    WindowAction window = nullptr;
};

using MenuTable = std::vector<MenuEntry>;

}  // namespace korvant::gui
