#include "app/ListRequery.h"

#include "app/AccountListQuery.h"
#include "app/Desk.h"

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
