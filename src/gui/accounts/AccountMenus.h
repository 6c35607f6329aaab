#pragma once

#include "gui/shell/MenuTable.h"

namespace korvant::gui {

// "修改密码" and the context menus of the groups tree and the account lists.
MenuTable accountMenuEntries();

}  // namespace korvant::gui
