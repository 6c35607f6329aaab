#pragma once

#include "gui/shell/MenuTable.h"

namespace korvant::gui {

// "加载风控策略" on the groups tree's pop-up (the sub-account and
// main-account lists have theirs in the account table).
MenuTable riskMenuEntries();

}  // namespace korvant::gui
