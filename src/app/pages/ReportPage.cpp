#include "app/pages/ReportPage.h"

#include <algorithm>

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "model/PageLabel.h"
#include "text/NumberText.h"

namespace korvant {

std::string ReportPage::pageLabel() const {
    const PageCursor c = cursor();
    return pageLabelText(c.shownPage(), c.total);
}

std::string ReportPage::rowKey(int row) const {
    std::vector<std::string> all = cells(row);
    return all.empty() ? std::string() : std::move(all.front());
}

std::vector<std::string> ReportPage::fieldNames() const {
    std::vector<std::string> names;
    std::vector<std::string> captions;
    for (const ReportColumn& column : columns()) {
        if (column.hidden) continue;
        const auto seen = std::count(captions.begin(), captions.end(), column.caption);
        captions.push_back(column.caption);
        names.push_back(seen == 0 ? column.caption : column.caption + std::to_string(seen + 1));
    }
    return names;
}

std::vector<RawValue> ReportPage::rawValues(int row) const {
    const std::vector<ReportColumn>& all = columns();
    std::vector<std::string> texts = cells(row);
    std::vector<RawValue> values;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (!all[i].hidden) values.emplace_back(i < texts.size() ? std::move(texts[i]) : "");
    return values;
}

int LocalPaging::pageCount(int64_t rows) const {
    if (rows <= 0 || rowsPerPage <= 0) return 0;
    const int64_t pages = (rows + rowsPerPage - 1) / rowsPerPage;
    return pages > INT32_MAX ? INT32_MAX : static_cast<int>(pages);
}

int LocalPaging::rowsOnPage(int64_t rows) const {
    const int64_t left = rows - firstRow();
    if (left <= 0) return 0;
    return left < rowsPerPage ? static_cast<int>(left) : rowsPerPage;
}

bool LocalPaging::moveTo(int target, int64_t rows) {
    if (target < 0 || target >= pageCount(rows)) return false;
    page = target;
    return true;
}

ReportPages& reportPages(Desk& desk) {
    return keptState(desk.states().reportPages);
}

void addReportPage(Desk& desk, ReportPage& page) {
    std::vector<ReportPage*>& pages = reportPages(desk).pages;
    if (std::find(pages.begin(), pages.end(), &page) == pages.end()) pages.push_back(&page);
}

void showReportPage(Desk& desk, ReportPage* page) {
    ReportPages& all = reportPages(desk);
    all.shown = page;
    if (page == nullptr) return;
    addReportPage(desk, *page);
}

std::optional<ReportTarget> reportGroupNode(Desk& desk, int32_t groupId) {
    const Group* group = desk.reference().groupById(groupId);
    if (group == nullptr) {
        desk.port().error("没有组 " + formatInt(groupId));
        return std::nullopt;
    }
    return ReportTarget{group->id, group->name, true};
}

void chooseReportTarget(Desk& desk, const ReportTarget& target, bool reportsShown) {
    ReportPages& all = reportPages(desk);
    // A page's query may add or show pages: walk a copy.
    const std::vector<ReportPage*> pages = all.pages;
    for (ReportPage* page : pages) {
        page->target = target;
        page->targetChosen(desk, reportsShown && page == all.shown);
    }
}

}  // namespace korvant
