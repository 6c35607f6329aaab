#include "view/ViewPaging.h"

#include <functional>

#include "app/lists/AccountListQuery.h"
#include "app/pages/ReportPage.h"
#include "view/DeskView.h"
#include "view/ViewNavigation.h"

namespace korvant {

void setPageLabel(DeskView& view) {
    MainState& state = view.state();
    PageCursor cursor{1, 0};
    auto it = state.pagers.find(state.view);
    if (state.view == ViewKind::Accounts) {
        cursor = accountListCursor(view.desk(), state.shownList);
    } else if (state.view == ViewKind::Reports && reportPages(view.desk()).shown == nullptr) {
        // No report tab with a list is shown.
    } else if (it != state.pagers.end() && it->second.cursor) {
        cursor = it->second.cursor();
        // A list not read yet stands on its first page.
        if (cursor.last < 0) cursor.last = 0;
    }
    state.labelPage = cursor.shownPage();
    state.labelTotal = cursor.total;
}

void updatePageLabel(DeskView& view) {
    // The view sets the label again when it is told (DeskView).
    view.desk().notify(DeskChange::PageLabel);
}

ViewPager reportPager(Desk& desk, ReportPage& page) {
    ViewPager pager;
    pager.cursor = [&page] { return page.cursor(); };
    pager.query = [&desk, &page](int index) { page.showPage(desk, index); };
    return pager;
}

bool movePage(DeskView& view, PageMove move, int target) {
    MainState& state = view.state();
    PageCursor cursor;
    std::function<void(int)> query;
    bool accounts = state.view == ViewKind::Accounts;
    if (accounts) {
        if (state.shownList == AccountList::None) return false;
        cursor = accountListCursor(view.desk(), state.shownList);
        cursor.last = state.page;
        AccountList list = state.shownList;
        query = [&view, list](int page) { showAccountList(view, list, page); };
    } else {
        auto it = state.pagers.find(state.view);
        if (it == state.pagers.end() || !it->second.cursor || !it->second.query) return false;
        cursor = it->second.cursor();
        query = it->second.query;
    }
    // In 64 bits: the server's total and index may be anything an i32 holds.
    const int64_t current = cursor.last;
    const int64_t total = cursor.total;
    int64_t page;
    switch (move) {
        case PageMove::Previous:
            if (current < 1) return false;
            page = current - 1;
            break;
        case PageMove::Next:
            if (current >= total - 1) return false;
            page = current + 1;
            break;
        case PageMove::First:
            if (current < 1) return false;
            page = 0;
            break;
        case PageMove::Last:
            if (current >= total - 1) return false;
            page = total - 1;
            break;
        case PageMove::GoTo:
            if (target < 0) return false;
            if (!accounts && target >= total) return false;
            page = target;
            break;
        default:
            return false;
    }
    query(static_cast<int>(page));
    if (!accounts) updatePageLabel(view);
    return true;
}

}  // namespace korvant
