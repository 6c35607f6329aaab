#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/desk/ViewKind.h"
#include "model/PageCursor.h"
#include "model/RawValue.h"

// A report page: the rows of one target (an account, a group node, a
// template, a query form) shown page by page through the main window's
// pager. Either each page is a server query (the deposit records, the rate
// pages), or everything is loaded once and paged locally (the operation
// log, the settlement prices). The desk's tab and the command line both
// drive the same object; the front end only draws columns, cells and label.
namespace korvant {

class Desk;

// What a report reports on: the account or tree node chosen in the report
// tree (action `ReportAccountChosen`), or a number typed into the page.
struct ReportTarget {
    int32_t id = -1;   // account or group id; -1 when none is chosen
    std::string text;  // the node's text or the typed number
    bool group = false;
};

struct ReportColumn {
    std::string caption;
    int width = 80;       // pixels in the desk
    bool hidden = false;  // kept in the rows, not shown by the desk
};

class ReportPage {
public:
    virtual ~ReportPage() = default;

    virtual const std::vector<ReportColumn>& columns() const = 0;
    // The rows on screen and their cells as listed.
    virtual int rowCount() const = 0;
    virtual std::vector<std::string> cells(int row) const = 0;
    // The first rows that carry a record; the rows after them (a filler
    // row, a page row) cannot be chosen. By default every row.
    virtual int recordCount() const { return rowCount(); }
    // What names the record of a row, so that a chosen row stays chosen
    // across a redraw while its record is listed. By default its first cell.
    virtual std::string rowKey(int row) const;

    // The raw fields of a record row (row < recordCount()) for scripts: a
    // name per field and the row's values in the same order. The names are
    // stable ASCII lowerCamelCase where a page overrides them (the account
    // lists, the deposit records). By default a field per shown column, named
    // by its caption (a repeated caption numbered from its second time on:
    // "监控范围", "监控范围2"), the cells as texts.
    virtual std::vector<std::string> fieldNames() const;
    virtual std::vector<RawValue> rawValues(int row) const;

    // The page on screen (`last`) and the number of pages (`total`).
    virtual PageCursor cursor() const = 0;
    // The pager label of this page; by default "当前第%d/%d页".
    virtual std::string pageLabel() const;

    // Shows page `page` (0-based): a server query or a slice of what was
    // loaded. Returns whether rows were listed.
    virtual bool showPage(Desk& desk, int page) = 0;

    // A node of the report tree was chosen (action `ReportAccountChosen`) and `target` set to
    // it: a page forgets its typed account number here. `shown` tells
    // whether the page is the one under the reports view's tab strip; by
    // default that one queries its page 0 again.
    virtual void targetChosen(Desk& desk, bool shown) {
        if (shown) showPage(desk, 0);
    }

    ReportTarget target;
};

// The report pages of a desk, so that what concerns every page at once (a
// node chosen in the report tree) reaches each of them.
struct ReportPages {
    std::vector<ReportPage*> pages;
    ReportPage* shown = nullptr;  // the page under the reports view's tab strip
};
ReportPages& reportPages(Desk& desk);

// Adds a page that lives as long as the desk (once; later calls do nothing).
void addReportPage(Desk& desk, ReportPage& page);

// The page becomes the reports view's shown page: the main window's pager
// pages it. Null: no report page is shown any more (the pager is left to
// whatever tab is shown next).
void showReportPage(Desk& desk, ReportPage* page);

// The group node `groupId` of the report tree as a target (the tree holds
// every cached group); nothing, after "没有组 ID" (error icon), for a group
// the desk does not hold. Nothing is sent.
std::optional<ReportTarget> reportGroupNode(Desk& desk, int32_t groupId);

// A node of the report tree was chosen: every page takes it as its target
// (`targetChosen`); `reportsShown` tells whether the reports view is on
// screen, so that its shown page is queried again.
void chooseReportTarget(Desk& desk, const ReportTarget& target, bool reportsShown);

// Local paging of rows loaded whole: `rowsPerPage` rows a page.
struct LocalPaging {
    int rowsPerPage = 100;
    int page = 0;

    // Pages needed for `rows` (0 for none).
    int pageCount(int64_t rows) const;
    // First row of the current page and the number of rows on it.
    int64_t firstRow() const { return static_cast<int64_t>(page) * rowsPerPage; }
    int rowsOnPage(int64_t rows) const;
    // Moves to `target` when it is a page of `rows`; false otherwise.
    bool moveTo(int target, int64_t rows);
};

}  // namespace korvant
