#pragma once

#include "app/MainState.h"
#include "app/SearchFilter.h"
#include "model/Group.h"
#include "model/PageCursor.h"

// The account lists of the accounts view: the four list queries, group
// selection, search, paging, tab changes, and the actions that reach them.
namespace korvant {

class Desk;

// Queries one account list of `groupId` (-1 = all groups) at `page`; the
// answer replaces the list's cache. A request that cannot be built
// ("  组包出错!! ") and a lost connection ("  与服务器断开了!") end the
// program; an answer that cannot be decoded shows " 解析数据包出错!" and
// returns false.
bool queryAccountList(Desk& desk, AccountList list, int groupId, const SearchFilter& filter,
                      int page);

// The cursor of one account list's cache.
PageCursor accountListCursor(Desk& desk, AccountList list);

// Queries `list` for the current group with the current filter at `page`,
// shows it and updates the page label. Returns false when the list's answer
// was refused or could not be decoded (its message shown; the desk goes on).
bool showAccountList(Desk& desk, AccountList list, int page);

// Actions 15 and 16: the group becomes the current group, the filter is
// cleared, the tab strip and tab follow the group's level (root: two tabs,
// " 管理员 "; first level: two tabs, " 主账号 "; second level: three tabs,
// the tab stays), and the selected tab's list is queried at page 0.
void selectGroup(Desk& desk, const Group& group);

enum class PageMove { Previous, Next, First, Last, GoTo };
// Actions 18, 19, 35, 34 and 21 in the current view. Previous and First
// only from page 1 on, Next and Last only before the last page; GoTo is not
// bound-checked in the accounts view and must be below the total elsewhere.
// Returns whether a page was queried.
bool movePage(Desk& desk, PageMove move, int target = 0);

// Action 20: the filter (its group id becomes the current group id, its
// flags the category), page 0; in the accounts view the sub-account list is
// queried and shown.
void searchAccounts(Desk& desk, const SearchFilter& filter);

// Actions 104 (two-tab strip) and 105 (three-tab strip).
void changeTab(Desk& desk, TabStrip strip, int tab);

// Action 87: the sub-accounts of all groups (no filter) at `page`; the
// current group id is kept.
void queryAllSubAccounts(Desk& desk, int page);

// Action 14: filter cleared, group id -1, page 0, all groups reloaded.
void refreshGroups(Desk& desk);

// Action 73.
void switchView(Desk& desk, ViewKind view);

// Sets the pager label from the list on screen.
void updatePageLabel(Desk& desk);

// Registers the handlers of actions 14, 15, 16, 18, 19, 20, 21, 34, 35, 73,
// 87, 88, 89, 90, 101, 104, 105, 127 and 129.
void registerAccountListActions(Desk& desk);

}  // namespace korvant
