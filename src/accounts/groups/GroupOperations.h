#pragma once

// The group operations of the groups tree's menu "组快捷菜单": add (action `AddGroup`),
// modify (action `ModifyGroup`) and delete (action `DeleteGroup`, always refused). Both changes end
// with all groups reloaded and the trees rebuilt (action `RefreshGroups`).
#include "accounts/groups/GroupForm.h"
#include "app/exchange/Change.h"
#include "model/Group.h"

namespace korvant {

class Desk;
class FrontEndPort;

// Action `AddGroup`, permission 0x8: a new group under group `parentId`
// (nothing for -1 or a group the desk does not hold), command 95.
bool addGroup(Desk& desk, int parentId);
// The add with the dialog's values (checked by validateAddGroupForm).
ChangeOutcome addGroup(Desk& desk, const GroupForm& form);
// The dialog's check; a group below the first level gets no quota and range.
bool validateAddGroupForm(FrontEndPort& port, GroupForm& form);

// Action `ModifyGroup`, permission 0x10: group `groupId` (never the administrator's
// own; nothing for -1 or a group the desk does not hold), command 96.
bool modifyGroup(Desk& desk, int groupId);
// The modify of `record` with the dialog's values (checked by
// validateModifyGroupForm); the administrator's own group is refused.
ChangeOutcome modifyGroup(Desk& desk, const Group& record, const GroupForm& form);
// The dialog's check; hidden quota and range stay as `record` has them.
bool validateModifyGroupForm(FrontEndPort& port, const Group& record, GroupForm& form);

// Action `DeleteGroup`: "组不允许删除"; nothing is sent.
void deleteGroup(Desk& desk);

// Registers the handler of `DeleteGroup` (the window registers `AddGroup`
// and `ModifyGroup` on its chosen group).
void registerGroupActions(Desk& desk);

}  // namespace korvant
