#include "app/lists/AccountListPages.h"

#include "app/desk/Desk.h"
#include "app/exchange/DeskPagedQuery.h"
#include "app/lists/AccountListRequests.h"
#include "model/PagedQuery.h"

namespace korvant {
namespace {

template <class Record>
bool loadPages(Desk& desk, RecordCache<Record>& cache, uint8_t command,
               std::function<int(int page, uint8_t* buffer, int capacity)> write,
               bool customers = false) {
    PagedQuery query;
    query.command = command;
    query.recordSize = Record::WireSize;
    query.writeRequest = std::move(write);
    // The main and sub-accounts of a whole firm are read whole.
    if (customers) useCustomerCaps(query);
    cache.clear();
    bool first = true;
    query.parsePage = [&](const uint8_t* packet, int length) {
        if (first) {
            cache.reserveForAllPages(packet, length);
            cache.replaceFromAnswer(packet, length);
        } else {
            cache.appendAnswer(packet, length);
        }
        first = false;
    };
    // A request that cannot be built and a lost connection end the program;
    // a refusal shows the server's text; an answer that is not a page of the
    // list, pages that do not advance and too much data show their message.
    PagedQueryTexts texts;
    texts.undecodable = " 解析数据包出错!";
    texts.progress = "查询账号列表";
    return runDeskPagedQuery(desk, std::move(query), texts);
}

}  // namespace

bool loadAllAccountPages(Desk& desk, AccountList list, int groupId, const SearchFilter& filter) {
    AccountCaches& caches = desk.accounts();
    const uint8_t command = listCommand(list);
    auto write = [=](int page, uint8_t* buffer, int capacity) {
        return writeListRequest(list, groupId, filter, page, buffer, capacity);
    };
    switch (list) {
        case AccountList::MainAccounts:
            return loadPages(desk, caches.mainAccounts, command, write, true);
        case AccountList::Administrators:
            return loadPages(desk, caches.administrators, command, write);
        case AccountList::MainAccountLinks:
            return loadPages(desk, caches.mainAccountLinks, command, write);
        case AccountList::SubAccounts:
            return loadPages(desk, caches.subAccounts, command, write, true);
        case AccountList::None:
            break;
    }
    return false;
}

}  // namespace korvant
