#include "app/lists/AccountListAgain.h"

#include "app/desk/Desk.h"
#include "app/lists/AccountListQuery.h"

namespace korvant {

void requeryAccountList(Desk& desk, AccountList list, ListRequery how) {
    if (desk.listRequery()) desk.listRequery()(list, how);
}

bool readAccountListAgain(Desk& desk, AccountList list, int groupId) {
    if (desk.listRequery()) return desk.listRequery()(list, ListRequery::CachedPage);
    SearchFilter filter;
    filter.groupId = groupId;
    return queryAccountList(desk, list, groupId, filter, cachedAccountPage(desk, list));
}

int cachedAccountPage(Desk& desk, AccountList list) {
    const int page = accountListCursor(desk, list).last;
    return page < 0 ? 0 : page;
}

}  // namespace korvant
