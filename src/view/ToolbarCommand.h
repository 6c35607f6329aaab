#pragma once

#include <string>

// New, Modify and Delete of the toolbar (codes 30, 31, 32) and of the
// command identifiers 32798, 32802 and 32800: each acts on the current view
// and account tab.
namespace korvant {

class DeskView;

enum class ToolbarCommand { New, Modify, Delete };

// Whether the command acts in the current view and tab, and when it does not,
// why (shown to the user; empty = the command is silently ignored). A
// toolbar may show its button disabled while `available` is false.
struct ToolbarAvailability {
    bool available = false;
    std::string reason;
};
ToolbarAvailability toolbarCommandAvailability(const DeskView& view, ToolbarCommand command,
                                               bool fromCommandId = false);

// Runs the action of the view and tab, or shows "主账号不允许修改" /
// "主账号不允许删除" on a main-account tab. Where the command does not act
// it says why (no group selected, e.g. after a search over "全部" or a
// refresh; a view without that command); `fromCommandId` (32798, 32802,
// 32800) silently does nothing on the root group. Returns whether the
// command's action ran (or its main-account message was shown).
bool runToolbarCommand(DeskView& view, ToolbarCommand command, bool fromCommandId = false);

// Whether the toolbar's button would do anything now (a front end disables
// it otherwise): the command is available as above, its action has a
// handler, and Modify and Delete of a list have a selected record (the
// main-account tabs' Modify and Delete show why they refuse). In the
// accounts view without a chosen group it is on, to say that one must be
// chosen.
bool toolbarCommandAvailable(const DeskView& view, ToolbarCommand command);

}  // namespace korvant
