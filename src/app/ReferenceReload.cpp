#include "app/ReferenceReload.h"

#include "app/Desk.h"

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

void reloadReferenceList(Desk& desk, ReferenceList list, bool showProgress) {
    FrontEndPort& port = desk.port();
    if (showProgress) port.showProgress(initialQueryText(list));
    CountProgress progress;
    if (showProgress)
        progress = [&port, list](int count) { port.showProgress(progressText(list, count)); };
    PagedQueryResult result =
        queryReferenceList(list, connectionExchange(desk.connection()), desk.reference(),
                           desk.session().ownGroupId, progress);
    switch (result) {
        case PagedQueryResult::Done:
            break;
        case PagedQueryResult::BuildFailed:
            port.endProgram(buildFailureText(list));
        case PagedQueryResult::Disconnected:
            port.endProgram(QueryDisconnectedText);
    }
    desk.notify(changeOf(list));
}

}  // namespace korvant
