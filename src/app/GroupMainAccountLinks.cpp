#include "app/LinkedAccountLoads.h"

#include "app/AccountListRequests.h"
#include "app/Desk.h"
#include "app/DeskPagedQuery.h"
#include "protocol/CommandCode.h"

namespace korvant {

bool loadGroupMainAccountLinks(Desk& desk) {
    RecordCache<MainAccountLink>& cache = desk.accounts().mainAccountLinks;
    const int groupId = desk.mainState().group.id;
    PagedQuery query;
    query.command = cmd::MainAccountLinks;
    query.recordSize = MainAccountLink::WireSize;
    query.writeRequest = [groupId](int page, uint8_t* buffer, int capacity) {
        return writeMainAccountLinksRequest(groupId, page, buffer, capacity);
    };
    // Every page is kept, so that the dialog offers all linked accounts; an
    // answer that is no list leaves none rather than another group's.
    cache.clear();
    bool first = true;
    query.parsePage = [&](const uint8_t* packet, int length) {
        if (first)
            cache.replaceFromAnswer(packet, length);
        else
            cache.appendAnswer(packet, length);
        first = false;
    };
    PagedQueryTexts texts;
    texts.buildFailed = " 组包出错!!";
    texts.progress = "查询主账号";
    if (runDeskPagedQuery(desk, std::move(query), texts)) return true;
    cache.clear();
    return false;
}

}  // namespace korvant
