#pragma once

#include <cstdint>

namespace korvant {

class Desk;

// Registers the actions of this area on the desk's dispatcher: the
// warehouse page's node choice (102), refresh (103), "新建" / "修改" /
// "删除" (84, 85, 86); the window registers "加载风控策略" (110, argument
// below) on its selection.
void registerRiskActions(Desk& desk);

// The argument of action `LoadRiskStrategy`: which list's pop-up it came from.
inline constexpr int LoadFromMainAccounts = 1;
inline constexpr int LoadFromSubAccounts = 2;
inline constexpr int LoadFromGroups = 3;

// The warehouse page's row selection (the rule id, 0 for none).
void selectWarehouseRule(Desk& desk, int32_t id);

}  // namespace korvant
