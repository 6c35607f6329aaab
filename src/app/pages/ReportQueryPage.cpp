#include "app/pages/ReportQueryPage.h"

#include <vector>

#include "app/desk/Desk.h"
#include "app/exchange/Query.h"

namespace korvant {

void ReportQueryPage::takeTypedAccount(bool locate) {
    if (account.empty()) return;
    target.text = account;
    target.id = -1;
    target.group = false;
    if (locate && selectReportNode) selectReportNode(account);
}

void ReportQueryPage::targetChosen(Desk& desk, bool shown) {
    account.clear();
    ReportPage::targetChosen(desk, shown);
}

bool ReportQueryPage::search(Desk& desk) {
    takeTypedAccount();
    return showPage(desk, 0);
}

bool runReportQuery(Desk& desk, const ReportQuery& query,
                    const std::function<void(const ListPage& page)>& take) {
    QuerySpec spec;
    spec.request = query.request;
    spec.command = query.command;
    spec.minSize = ListHeaderSize;
    spec.route = false;
    spec.exchange = ExchangeTexts::query(" 组包出错!!");
    spec.undecodable = "  错误的数据包, 无法解析 !  ";
    spec.title = query.title;
    const QueryResult answer = runQuery(desk, spec);
    if (!answer) return false;
    const std::vector<uint8_t>& packet = answer.packet();
    const ListPage page =
        parseListPage(packet.data(), static_cast<int>(packet.size()), query.rowSize);
    // A negative count or index is no page of any list (a page asked for
    // beyond the end comes back with its own index and no rows).
    if (page.total < 0 || page.index < 0) {
        desk.port().error(spec.undecodable);
        return false;
    }
    take(page);
    desk.notify(DeskChange::PageLabel);
    return true;
}

void showReportTab(Desk& desk, ReportPage& page, bool shown) {
    if (shown)
        showReportPage(desk, &page);
    else if (reportPages(desk).shown == &page)
        showReportPage(desk, nullptr);
}

}  // namespace korvant
