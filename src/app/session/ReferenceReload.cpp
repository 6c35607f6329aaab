#include "app/session/ReferenceReload.h"

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "app/exchange/DeskPagedQuery.h"
#include "app/lists/ReportTree.h"

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

bool reloadGroups(Desk& desk) {
    const bool read = reloadReferenceList(desk, ReferenceList::Groups);
    markReportTreeStale(desk);
    return read;
}

void registerReferenceReloadActions(Desk& desk) {
    Desk* p = &desk;
    desk.dispatcher().registerHandler(ActionCode::RefreshGroups,
                                      [p](const ActionMessage&) { reloadGroups(*p); });
    auto reload = [p](ReferenceList list) {
        return [p, list](const ActionMessage&) { reloadReferenceList(*p, list); };
    };
    ActionDispatcher& d = desk.dispatcher();
    d.registerHandler(ActionCode::ReloadMarginTemplates, reload(ReferenceList::MarginTemplates));
    d.registerHandler(ActionCode::ReloadFeeTemplates, reload(ReferenceList::FeeTemplates));
    d.registerHandler(ActionCode::ReloadVarieties, reload(ReferenceList::Varieties));
    d.registerHandler(ActionCode::ReloadRiskStrategies, reload(ReferenceList::RiskStrategies));
}

}  // namespace korvant
