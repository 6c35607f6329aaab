#include "app/ListRequery.h"

#include "app/AccountListQuery.h"
#include "app/Desk.h"

namespace korvant {

namespace {

int cachedPage(Desk& desk, AccountList list) {
    const int page = accountListCursor(desk, list).last;
    return page < 0 ? 0 : page;
}

}  // namespace

void requeryAccountList(Desk& desk, AccountList list, ListRequery how) {
    if (desk.listRequery()) desk.listRequery()(list, how);
}

bool readAccountListAgain(Desk& desk, AccountList list, int groupId) {
    if (desk.listRequery()) return desk.listRequery()(list, ListRequery::CachedPage);
    SearchFilter filter;
    filter.groupId = groupId;
    return queryAccountList(desk, list, groupId, filter, cachedPage(desk, list));
}

bool requeryShownAccountList(Desk& desk, AccountList list, ListRequery how) {
    MainState& state = desk.mainState();
    if (how == ListRequery::ShownPageUnfiltered || how == ListRequery::CachedPageUnfiltered)
        state.filter.clearFields();
    int page = state.page;
    if (how == ListRequery::CachedPage || how == ListRequery::CachedPageUnfiltered)
        page = cachedPage(desk, list);
    return showAccountList(desk, list, page);
}

}  // namespace korvant
