#include "app/ViewPaging.h"

#include <functional>

#include "app/AccountListQuery.h"
#include "app/Desk.h"
#include "app/ReportPage.h"

namespace korvant {

void updatePageLabel(Desk& desk) {
    MainState& state = desk.mainState();
    PageCursor cursor{1, 0};
    auto it = state.pagers.find(state.view);
    if (state.view == ViewKind::Accounts) {
        cursor = accountListCursor(desk, state.shownList);
    } else if (state.view == ViewKind::Reports && reportPages(desk).shown == nullptr) {
        // No report tab with a list is shown.
    } else if (it != state.pagers.end() && it->second.cursor) {
        cursor = it->second.cursor();
        // A list not read yet stands on its first page.
        if (cursor.last < 0) cursor.last = 0;
    }
    state.labelPage = cursor.shownPage();
    state.labelTotal = cursor.total;
    desk.notify(DeskChange::PageLabel);
}

bool movePage(Desk& desk, PageMove move, int target) {
    MainState& state = desk.mainState();
    PageCursor cursor;
    std::function<void(int)> query;
    bool accounts = state.view == ViewKind::Accounts;
    if (accounts) {
        if (state.shownList == AccountList::None) return false;
        cursor = accountListCursor(desk, state.shownList);
        cursor.last = state.page;
        AccountList list = state.shownList;
        query = [&desk, list](int page) { showAccountList(desk, list, page); };
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
    if (!accounts) updatePageLabel(desk);
    return true;
}

}  // namespace korvant
