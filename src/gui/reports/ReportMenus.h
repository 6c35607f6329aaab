#pragma once

#include "gui/shell/MenuTable.h"

namespace korvant::gui {

// The settlement commands of the menu bar's "操作".
MenuTable reportMenuEntries();

}  // namespace korvant::gui
