#include "app/ReferenceReload.h"

#include "app/Desk.h"
#include "app/DeskPagedQuery.h"

namespace korvant {
namespace {

DeskChange changeOf(ReferenceList list) {
    switch (list) {
        case ReferenceList::Groups:
            return DeskChange::Groups;
        case ReferenceList::MarginTemplates:
            return DeskChange::MarginTemplates;
        case ReferenceList::FeeTemplates:
            return DeskChange::FeeTemplates;
        case ReferenceList::Varieties:
            return DeskChange::Varieties;
        case ReferenceList::RiskStrategies:
            return DeskChange::RiskStrategies;
    }
    return DeskChange::Groups;
}

}  // namespace

bool reloadReferenceList(Desk& desk, ReferenceList list, bool showProgress) {
    FrontEndPort& port = desk.port();
    if (showProgress) port.showProgress(initialQueryText(list));
    CountProgress progress;
    if (showProgress)
        progress = [&port, list](int count) { port.showProgress(progressText(list, count)); };
    PagedQueryResult result = queryReferenceList(list, desk.connection(), desk.reference(),
                                                 desk.session().ownGroupId, progress);
    PagedQueryTexts texts;
    texts.buildFailed = buildFailureText(list);
    texts.disconnected = QueryDisconnectedText;
    texts.undecodable = " 解析数据包出错!";
    const bool whole = reportPagedQueryEnd(desk, result, texts);
    desk.notify(changeOf(list));
    return whole;
}

}  // namespace korvant
