#pragma once

#include "model/Group.h"

namespace korvant {

class DeskView;

// The group becomes the current group without querying anything: the
// search range names it, the filter is cleared to it, page 0, and the tab
// strip follows its level (root: two tabs, " 管理员 "; first level: two
// tabs, " 主账号 "; second level: three tabs, the tab stays). Returns false
// for a code of another length (no tab strip). A click on the group
// (selectGroup) then queries the selected tab's list.
bool setCurrentGroup(DeskView& view, const Group& group);

}  // namespace korvant
