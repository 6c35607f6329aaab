#pragma once

// The group operations of the groups tree's menu "组快捷菜单": add (action 0),
// modify (action 2) and delete (action 1, always refused). Both changes end
// with all groups reloaded and the trees rebuilt (action 14).
namespace korvant {

class Desk;

// Action 0, permission 0x8: a new group under the selected group (nothing
// without one), command 95.
bool addGroup(Desk& desk);

// Action 2, permission 0x10: the selected group (never the administrator's
// own), command 96.
bool modifyGroup(Desk& desk);

// Action 1: "组不允许删除"; nothing is sent.
void deleteGroup(Desk& desk);

// Registers the handlers of actions 0, 1 and 2.
void registerGroupActions(Desk& desk);

}  // namespace korvant
