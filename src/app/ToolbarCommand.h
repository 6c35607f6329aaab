#pragma once

// New, Modify and Delete of the toolbar (codes 30, 31, 32) and of the
// command identifiers 32798, 32802 and 32800: each acts on the current view
// and account tab.
namespace korvant {

class Desk;

enum class ToolbarCommand { New, Modify, Delete };

// Runs the action of the view and tab, or shows "主账号不允许修改" /
// "主账号不允许删除" on a main-account tab. In the accounts view nothing
// happens without a selected group; `fromCommandId` (32798, 32802, 32800)
// also does nothing on the root group. Returns whether anything happened.
bool runToolbarCommand(Desk& desk, ToolbarCommand command, bool fromCommandId = false);

// Whether the toolbar's button would do anything now (a front end disables
// it otherwise): the view and tab have an action with a handler, Modify and
// Delete of a list have a selected record, and the main-account tabs' Modify
// and Delete show why they refuse.
bool toolbarCommandAvailable(const Desk& desk, ToolbarCommand command);

}  // namespace korvant
