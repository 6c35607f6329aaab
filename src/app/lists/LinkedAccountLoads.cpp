#include "app/lists/LinkedAccountLoads.h"

#include "app/desk/Desk.h"
#include "app/exchange/DeskPagedQuery.h"
#include "app/exchange/Query.h"
#include "app/lists/AccountListRequests.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"

namespace korvant {

namespace {

// Reads every page of `query` into `cache`, the first page in the place of
// what it held. A read that stopped early leaves the cache empty: part of a
// list, or another group's, would pass for the whole.
template <class Record>
bool readWholeList(Desk& desk, RecordCache<Record>& cache, PagedQuery query,
                   const PagedQueryTexts& texts) {
    query.recordSize = Record::WireSize;
    cache.clear();
    bool first = true;
    query.parsePage = [&](const uint8_t* packet, int length) {
        if (first)
            cache.replaceFromAnswer(packet, length);
        else
            cache.appendAnswer(packet, length);
        first = false;
    };
    if (runDeskPagedQuery(desk, std::move(query), texts)) return true;
    cache.clear();
    return false;
}

}  // namespace

bool loadGroupMainAccountLinks(Desk& desk, int groupId) {
    PagedQuery query;
    query.command = cmd::MainAccountLinks;
    query.writeRequest = [groupId](int page, uint8_t* buffer, int capacity) {
        return writeMainAccountLinksRequest(groupId, page, buffer, capacity);
    };
    // Every page is kept, so that the dialog offers all linked accounts.
    PagedQueryTexts texts;
    texts.buildFailed = " 组包出错!!";
    texts.progress = "查询主账号";
    return readWholeList(desk, desk.accounts().mainAccountLinks, std::move(query), texts);
}

void loadParentMainAccounts(Desk& desk, const std::string& groupCode) {
    RecordCache<MainAccount>& cache = desk.accounts().mainAccounts;
    const std::string parentCode = groupCode.substr(0, 2);

    // The id comes as a single-value answer or as an answer of the query's
    // own command, at the same offset.
    QuerySpec spec;
    spec.build = [&parentCode](std::span<uint8_t> buffer) {
        return writeGroupIdQuery(parentCode, buffer.data(), static_cast<int>(buffer.size()));
    };
    spec.command = cmd::GroupIdOfCode;
    spec.alsoAccepted = cmd::AddGroup;
    spec.minSize = 8;
    spec.title = "查询上级组";
    const QueryResult answer = runQuery(desk, spec);
    // Without an id no other group's accounts are left in the cache; an
    // empty list would pass for the parent's.
    cache.clear();
    if (!answer) return;
    const int32_t parentId = getI32(answer.packet().data() + 4);

    PagedQuery query;
    query.command = cmd::MainAccountList;
    query.writeRequest = [parentId](int page, uint8_t* out, int capacity) {
        return writeMainAccountListRequest(parentId, SearchFilter{}, page, out, capacity);
    };
    PagedQueryTexts texts;
    texts.progress = "查询主账号";
    readWholeList(desk, cache, std::move(query), texts);
}

}  // namespace korvant
