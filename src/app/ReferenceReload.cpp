#include "app/ReferenceReload.h"

#include "app/Desk.h"
#include "app/DeskPagedQuery.h"

namespace korvant {
namespace {

// What the desk's windows redraw after a list was read, in ReferenceList
// order.
constexpr DeskChange ChangeOfList[] = {DeskChange::Groups, DeskChange::MarginTemplates,
                                       DeskChange::FeeTemplates, DeskChange::Varieties,
                                       DeskChange::RiskStrategies};

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
    desk.notify(ChangeOfList[static_cast<int>(list)]);
    return whole;
}

}  // namespace korvant
