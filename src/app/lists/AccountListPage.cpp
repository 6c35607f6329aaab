#include "app/lists/AccountListPage.h"

#include <map>
#include <memory>
#include <optional>

#include "app/desk/Desk.h"
#include "app/lists/AccountListQuery.h"
#include "model/AccountColumns.h"
#include "model/AccountFields.h"

namespace korvant {
namespace {

// The columns and the field names of each list.
struct ListTexts {
    std::span<const ListColumn> (*columns)();
    const std::vector<std::string>& (*fieldNames)();
};

std::optional<ListTexts> textsOf(AccountList list) {
    switch (list) {
        case AccountList::MainAccounts:
            return ListTexts{&mainAccountListColumns, &mainAccountFieldNames};
        case AccountList::Administrators:
            return ListTexts{&administratorListColumns, &administratorFieldNames};
        case AccountList::MainAccountLinks:
            return ListTexts{&mainAccountLinkListColumns, &mainAccountLinkFieldNames};
        case AccountList::SubAccounts:
            return ListTexts{&subAccountListColumns, &subAccountFieldNames};
        case AccountList::None:
            break;
    }
    return std::nullopt;
}

}  // namespace

class AccountListPages {
public:
    std::map<AccountList, std::unique_ptr<AccountListPage>> pages;
};

AccountListPage::AccountListPage(Desk& desk, AccountList list) : desk_(&desk), list_(list) {
    if (const std::optional<ListTexts> texts = textsOf(list))
        for (const ListColumn& column : texts->columns())
            columns_.push_back({column.caption, column.width, column.hidden});
}

int AccountListPage::recordCount() const {
    const AccountCaches& caches = desk_->accounts();
    switch (list_) {
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

int AccountListPage::rowCount() const {
    // The sub-account list ends with an empty row and its page row.
    return recordCount() + (list_ == AccountList::SubAccounts ? 2 : 0);
}

std::vector<std::string> AccountListPage::cells(int row) const {
    const AccountCaches& caches = desk_->accounts();
    if (row < 0 || row >= rowCount()) return {};
    switch (list_) {
        case AccountList::MainAccounts:
            return mainAccountListCells(caches.mainAccounts.at(row));
        case AccountList::Administrators:
            return administratorListCells(caches.administrators.at(row));
        case AccountList::MainAccountLinks:
            return mainAccountLinkListCells(caches.mainAccountLinks.at(row),
                                            caches.mainAccounts.records);
        case AccountList::SubAccounts:
            if (row < caches.subAccounts.count())
                return subAccountListCells(caches.subAccounts.at(row));
            if (row == caches.subAccounts.count()) return {};
            return {subAccountPageText(caches.subAccounts.cursor)};
        case AccountList::None:
            break;
    }
    return {};
}

std::vector<std::string> AccountListPage::fieldNames() const {
    const std::optional<ListTexts> texts = textsOf(list_);
    return texts ? texts->fieldNames() : std::vector<std::string>{};
}

std::vector<RawValue> AccountListPage::rawValues(int row) const {
    const AccountCaches& caches = desk_->accounts();
    if (row < 0 || row >= recordCount()) return {};
    switch (list_) {
        case AccountList::MainAccounts:
            return mainAccountRawValues(caches.mainAccounts.at(row));
        case AccountList::Administrators:
            return administratorRawValues(caches.administrators.at(row));
        case AccountList::MainAccountLinks:
            return mainAccountLinkRawValues(caches.mainAccountLinks.at(row));
        case AccountList::SubAccounts:
            return subAccountRawValues(caches.subAccounts.at(row));
        case AccountList::None:
            break;
    }
    return {};
}

PageCursor AccountListPage::cursor() const {
    return accountListCursor(*desk_, list_);
}

bool AccountListPage::showPage(Desk& desk, int page) {
    if (pageQuery_) return pageQuery_(page);
    const bool answered = queryAccountList(desk, list_, groupId_, filter_, page);
    desk.notify(DeskChange::AccountList);
    return answered;
}

AccountListPage& accountListPage(Desk& desk, AccountList list) {
    std::unique_ptr<AccountListPage>& page = keptState(desk.states().accountListPages).pages[list];
    if (!page) page = std::make_unique<AccountListPage>(desk, list);
    return *page;
}

}  // namespace korvant
