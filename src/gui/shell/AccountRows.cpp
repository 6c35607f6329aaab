#include "gui/shell/AccountRows.h"

#include "app/Desk.h"
#include "model/AccountColumns.h"

namespace korvant::gui {

std::vector<std::vector<std::string>> accountRows(Desk& desk, AccountList list) {
    const AccountCaches& caches = desk.accounts();
    std::vector<std::vector<std::string>> rows;
    switch (list) {
        case AccountList::MainAccounts:
            for (const MainAccount& account : caches.mainAccounts.records)
                rows.push_back(mainAccountListCells(account));
            break;
        case AccountList::Administrators:
            for (const Administrator& admin : caches.administrators.records)
                rows.push_back(administratorListCells(admin));
            break;
        case AccountList::MainAccountLinks:
            for (const MainAccountLink& link : caches.mainAccountLinks.records)
                rows.push_back(mainAccountLinkListCells(link, caches.mainAccounts.records));
            break;
        case AccountList::SubAccounts:
            for (const SubAccount& account : caches.subAccounts.records)
                rows.push_back(subAccountListCells(account));
            rows.push_back({});
            rows.push_back({subAccountPageText(caches.subAccounts.cursor)});
            break;
        case AccountList::None:
            break;
    }
    return rows;
}

int accountRecordCount(Desk& desk, AccountList list) {
    const AccountCaches& caches = desk.accounts();
    switch (list) {
        case AccountList::MainAccounts:
            return caches.mainAccounts.count();
        case AccountList::Administrators:
            return caches.administrators.count();
        case AccountList::MainAccountLinks:
            return caches.mainAccountLinks.count();
        case AccountList::SubAccounts:
            return caches.subAccounts.count();
        case AccountList::None:
            break;
    }
    return 0;
}

}  // namespace korvant::gui
