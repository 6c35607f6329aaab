#include "reports/ReportLoads.h"

#include "app/DeskPagedQuery.h"

namespace korvant {

bool loadAllPages(Desk& desk, const PagedQuery& query) {
    PagedQueryTexts texts;
    texts.buildFailed = " 组包出错!!";
    texts.undecodable = BadPacketText;
    texts.progress = "查询报表数据";
    return runDeskPagedQuery(desk, query, texts);
}

}  // namespace korvant
