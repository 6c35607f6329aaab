#include "app/lists/AccountListQuery.h"

#include <vector>

#include "app/desk/Desk.h"
#include "app/exchange/Query.h"
#include "app/lists/AccountListRequests.h"
#include "app/lists/AccountListSort.h"
#include "model/ListAnswer.h"
#include "protocol/AnswerRouter.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

bool queryAccountList(Desk& desk, AccountList list, int groupId, const SearchFilter& filter,
                      int page) {
    if (list == AccountList::None) return false;
    // Only a page of this list (a count and an index that are not negative)
    // replaces its cache. A refusal shows the server's text (through the
    // command-0 handler); any other answer (one of another command, one
    // shorter than a page header, one that cannot be decoded) changes nothing
    // and is an error.
    QuerySpec spec;
    spec.build = [&](std::span<uint8_t> buffer) {
        return writeListRequest(list, groupId, filter, page, buffer.data(),
                                static_cast<int>(buffer.size()));
    };
    spec.command = listCommand(list);
    spec.minSize = ListHeaderSize;
    spec.listPage = true;
    spec.route = false;
    spec.undecodable = " 解析数据包出错!";
    const QueryResult answer = runQuery(desk, spec);
    if (!answer) return false;
    const std::vector<uint8_t>& packet = answer.packet();
    desk.router().route(packet.data(), static_cast<int>(packet.size()));
    forgetAccountListSort(desk, list);
    return true;
}

PageCursor accountListCursor(Desk& desk, AccountList list) {
    AccountCaches& caches = desk.accounts();
    switch (list) {
        case AccountList::MainAccounts:
            return caches.mainAccounts.cursor;
        case AccountList::Administrators:
            return caches.administrators.cursor;
        case AccountList::MainAccountLinks:
            return caches.mainAccountLinks.cursor;
        case AccountList::SubAccounts:
            return caches.subAccounts.cursor;
        case AccountList::None:
            break;
    }
    return PageCursor{};
}

}  // namespace korvant
