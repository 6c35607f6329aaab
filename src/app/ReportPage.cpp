#include "app/ReportPage.h"

#include "text/NumberText.h"

namespace korvant {

std::string ReportPage::pageLabel() const {
    const PageCursor c = cursor();
    const int64_t shown = c.total <= 0 ? 0 : static_cast<int64_t>(c.last) + 1;
    return "第" + formatInt(shown) + "/" + formatInt(c.total) + "页";
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

ViewPager reportPager(Desk& desk, ReportPage& page) {
    ViewPager pager;
    pager.cursor = [&page] { return page.cursor(); };
    pager.query = [&desk, &page](int index) { page.showPage(desk, index); };
    return pager;
}

}  // namespace korvant
