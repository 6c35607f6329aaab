#pragma once

#include <optional>
#include <vector>

#include "app/ActionCode.h"

// Menu entries as data. Each area lists the entries it adds to the menu bar
// and to the context menus in one table file (gui/accounts/AccountMenus.cpp,
// gui/reports/ReportMenus.cpp …); the main window builds its menus from the
// tables of every area (shell/MenuTables.cpp) and ties each entry to its
// action code through ActionHooks.
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

// A command the main window runs itself, for the few entries that have no
// action code.
enum class WindowCommand {
    None,
    LinkedSubAccounts,  // "显示关联的子账号"
};

struct MenuEntry {
    MenuEntry(MenuPlace place, const char* caption, ActionCode code,
              EnableRule enable = EnableRule::Handler, std::optional<int> argument = {})
        : place(place), caption(caption), code(code), enable(enable), argument(argument) {}
    // An entry that runs a command of the window instead of an action.
    MenuEntry(MenuPlace place, const char* caption, WindowCommand window, EnableRule enable)
        : place(place), caption(caption), enable(enable), window(window) {}

    MenuPlace place;
    const char* caption;  // UTF-8
    ActionCode code{};    // ignored for a window command
    EnableRule enable = EnableRule::Handler;
    std::optional<int> argument;  // sent with the action
    WindowCommand window = WindowCommand::None;
};

using MenuTable = std::vector<MenuEntry>;

// The entries of every area, in menu order within each place.
MenuTable allMenuEntries();

}  // namespace korvant::gui
