#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/desk/AccountList.h"
#include "app/desk/ViewKind.h"
#include "app/forms/SearchFilter.h"
#include "app/lists/CurrentGroup.h"
#include "app/session/Permissions.h"
#include "model/PageCursor.h"

// What the main window shows: the view, the selected group, the account
// tab strip and its tab, the search filter and the pager of the account
// lists. The desk's view changes it; the window draws it.
namespace korvant {

// The two account tab strips: " 主账号 ", " 管理员 " for the root and
// first-level groups, plus " 子账号 " for second-level groups.
enum class TabStrip { None, TwoTab, ThreeTab };

inline constexpr int MainAccountTab = 0;
inline constexpr int AdministratorTab = 1;
inline constexpr int SubAccountTab = 2;

// One entry of the "查找范围" combo.
struct SearchRangeEntry {
    std::string caption;
    int groupId = -1;
};

// The pager of a view other than the accounts view (fee and margin rates,
// reports, log), registered by the area that owns the view.
struct ViewPager {
    // Current page index (`last`) and total of the list on screen.
    std::function<PageCursor()> cursor;
    // Queries the list at `page` and redraws it and the label.
    std::function<void(int page)> query;
    // The view was switched to (may query its first page); may be empty.
    std::function<void()> shown;
    // Whether a record row is chosen in the list (the toolbar's Modify acts
    // on it); empty: the list has no rows to act on.
    std::function<bool()> rowChosen;
};

struct MainState {
    ViewKind view = ViewKind::None;
    CurrentGroup group;
    // The current filter (its group id is the search range) and the
    // category byte sent with the list queries (the filter's flags).
    SearchFilter filter;
    // Page index of the account lists (0-based).
    int page = 0;
    TabStrip strip = TabStrip::None;
    int twoTabIndex = MainAccountTab;
    int threeTabIndex = MainAccountTab;
    // The account list on screen.
    AccountList shownList = AccountList::None;
    // Rows selected in that list, in list order (indices into its cache);
    // the front end keeps them current.
    std::vector<int> selectedRows;
    std::vector<SearchRangeEntry> searchRange;
    int searchRangeIndex = 0;
    // Page label of the pager: (current page + 1, total pages).
    int64_t labelPage = 1;
    int labelTotal = 1;
    // Risk view shows the read-only text field in the status list's place.
    bool statusTextShown = false;
    // Navigation buttons and "业务管理" items, all off until the login.
    ViewButtons buttons;
    ViewMenuEnable enable;
    std::map<ViewKind, ViewPager> pagers;

    // The selected tab of the strip on screen (-1 without a strip).
    int selectedTab() const;
    // The account list of a strip and tab.
    static AccountList listOfTab(TabStrip strip, int tab);
};

}  // namespace korvant
