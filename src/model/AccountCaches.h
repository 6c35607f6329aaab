#pragma once

#include "model/Administrator.h"
#include "model/MainAccount.h"
#include "model/RecordCache.h"
#include "model/SubAccount.h"

// The current page of each account list of the accounts view. Every list
// answer replaces its cache.
namespace korvant {

struct AccountCaches {
    RecordCache<Administrator> administrators;
    RecordCache<MainAccount> mainAccounts;
    RecordCache<MainAccountLink> mainAccountLinks;
    RecordCache<SubAccount> subAccounts;

    void clear() {
        administrators.clear();
        mainAccounts.clear();
        mainAccountLinks.clear();
        subAccounts.clear();
    }
};

}  // namespace korvant
