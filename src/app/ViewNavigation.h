#pragma once

#include "app/MainState.h"
#include "app/SearchFilter.h"
#include "model/Group.h"

// Moving about the main window: group selection, search, tab changes, the
// view switch, the refresh of the groups, and the actions that reach them.
namespace korvant {

class Desk;

// `GroupSelected` and `GroupSelectedAgain`: the group becomes the current group, the filter is
// cleared, the tab strip and tab follow the group's level (root: two tabs,
// " 管理员 "; first level: two tabs, " 主账号 "; second level: three tabs,
// the tab stays), and the selected tab's list is queried at page 0.
void selectGroup(Desk& desk, const Group& group);

// Action `Search`: the filter (its group id becomes the current group id, its
// flags the category), page 0; in the accounts view the sub-account list is
// queried and shown.
void searchAccounts(Desk& desk, const SearchFilter& filter);

// `TwoTabChanged` and `ThreeTabChanged`.
void changeTab(Desk& desk, TabStrip strip, int tab);

// Action `AllSubAccountsPage`: the sub-accounts of all groups (no filter) at `page`; the
// current group id is kept.
void queryAllSubAccounts(Desk& desk, int page);

// Action `RefreshGroups`: filter cleared, group id -1, page 0, all groups reloaded.
void refreshGroups(Desk& desk);

// Action `SwitchView`.
void switchView(Desk& desk, ViewKind view);

// Registers the handlers of the groups tree, the pager, the search, the
// views, the tab strips and the reference lists read again.
void registerAccountListActions(Desk& desk);

}  // namespace korvant
