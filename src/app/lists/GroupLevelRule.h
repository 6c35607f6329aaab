#pragma once

#include <string>

// Which group level an operation belongs to. The desk offers each account
// operation only in the tabs and menus of one level of the groups tree; the
// core holds that rule so that a front end which names a group directly
// cannot send the operation to a group of another level.
namespace korvant {

class Desk;

// Levels of the groups tree: the length of a group's code.
enum class GroupLevel { Root = 0, First = 2, Second = 4 };

// True when the group of code `groupCode` has `level`. Otherwise shows
// "<operation>只能在一级组中进行。" (or "…二级组…") and returns false; nothing
// is sent.
bool requireGroupLevel(Desk& desk, const std::string& groupCode, GroupLevel level,
                       const std::string& operation);

}  // namespace korvant
