#include "reports/ReportLoads.h"

#include "app/exchange/DeskPagedQuery.h"

namespace korvant {

bool loadAllPages(Desk& desk, const PagedQuery& query, const char* title) {
    PagedQueryTexts texts;
    texts.buildFailed = " 组包出错!!";
    texts.undecodable = BadPacketText;
    texts.progress = title;
    return runDeskPagedQuery(desk, query, texts);
}

}  // namespace korvant
