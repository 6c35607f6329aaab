#pragma once

#include "app/desk/ListRequery.h"
#include "app/forms/SearchFilter.h"
#include "model/Group.h"
#include "view/MainState.h"

// Moving about the main window: group selection, search, tab changes, the
// view switch, the refresh of the groups, and the actions that reach them.
namespace korvant {

class DeskView;

// `GroupSelected` and `GroupSelectedAgain`: the group becomes the current group, the filter is
// cleared, the tab strip and tab follow the group's level (root: two tabs,
// " 管理员 "; first level: two tabs, " 主账号 "; second level: three tabs,
// the tab stays), and the selected tab's list is queried at page 0.
void selectGroup(DeskView& view, const Group& group);

// Action `Search`: the filter (its group id becomes the current group id, its
// flags the category), page 0; in the accounts view the sub-account list is
// queried and shown.
void searchAccounts(DeskView& view, const SearchFilter& filter);

// `TwoTabChanged` and `ThreeTabChanged`.
void changeTab(DeskView& view, TabStrip strip, int tab);

// Action `AllSubAccountsPage`: the sub-accounts of all groups (no filter) at `page`; the
// current group id is kept.
void queryAllSubAccounts(DeskView& view, int page);

// Action `RefreshGroups`: filter cleared, group id -1, page 0, all groups reloaded.
void refreshGroups(DeskView& view);

// Action `SwitchView`.
void switchView(DeskView& view, ViewKind kind);

// Queries `list` for the current group with the current filter at `page`,
// shows it and updates the page label. Returns false when the list's answer
// was refused or could not be decoded (its message shown; the desk goes on).
bool showAccountList(DeskView& view, AccountList list, int page);
// The desk's list requery hook: the list of the group on screen is queried
// again and shown, at the page `how` says. Returns whether the list came.
bool requeryShownAccountList(DeskView& view, AccountList list, ListRequery how);

// Registers the handlers of the groups tree, the pager, the search, the
// views and the tab strips.
void registerNavigationActions(DeskView& view);

}  // namespace korvant
