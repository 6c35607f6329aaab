#include <vector>

#include "app/AccountListRequests.h"
#include "app/Desk.h"
#include "app/DeskPagedQuery.h"
#include "app/Exchange.h"
#include "app/LinkedAccountLoads.h"
#include "app/Query.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

void loadParentMainAccounts(Desk& desk) {
    RecordCache<MainAccount>& cache = desk.accounts().mainAccounts;
    const std::string parentCode = desk.mainState().group.code.substr(0, 2);

    // The id comes as a single-value answer or as an answer of the query's
    // own command, at the same offset.
    QuerySpec spec;
    spec.build = [&parentCode](std::span<uint8_t> buffer) {
        return writeGroupIdQuery(parentCode, buffer.data(), static_cast<int>(buffer.size()));
    };
    spec.command = cmd::GroupIdOfCode;
    spec.alsoAccepted = cmd::AddGroup;
    spec.minSize = 8;
    const QueryResult answer = runQuery(desk, spec);
    // Without an id no other group's accounts are left in the cache; an
    // empty list would pass for the parent's.
    cache.clear();
    if (!answer) return;
    const int32_t parentId = getI32(answer.packet().data() + 4);

    PagedQuery query;
    query.command = cmd::MainAccountList;
    query.recordSize = MainAccount::WireSize;
    query.writeRequest = [parentId](int page, uint8_t* out, int capacity) {
        return writeMainAccountListRequest(parentId, SearchFilter{}, page, out, capacity);
    };
    bool first = true;
    query.parsePage = [&](const uint8_t* packet, int size) {
        if (first)
            cache.replaceFromAnswer(packet, size);
        else
            cache.appendAnswer(packet, size);
        first = false;
    };
    // Accounts of a read that stopped early are not offered as the group's.
    PagedQueryTexts texts;
    texts.progress = "查询主账号";
    if (!runDeskPagedQuery(desk, std::move(query), texts)) cache.clear();
}

}  // namespace korvant
