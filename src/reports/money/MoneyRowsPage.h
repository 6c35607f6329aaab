#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/desk/Desk.h"
#include "app/pages/ReportQueryPage.h"
#include "model/RecordCache.h"

// What the funds and net-value pages share: the rows of the last answer,
// listed under fixed captions with the row's own cells.
namespace korvant {

template <class Row>
class MoneyRowsPage : public ReportQueryPage {
public:
    RecordCache<Row> rows;

    const std::vector<ReportColumn>& columns() const override { return columns_; }
    int rowCount() const override { return rows.count(); }
    std::vector<std::string> cells(int row) const override {
        if (row < 0 || row >= rows.count()) return {};
        return cellsOf_(rows.at(row));
    }
    PageCursor cursor() const override { return rows.cursor; }

    // Lists the last page of an export: its answers carry no page count of
    // the page's own, so one page is shown.
    void showExportedPage(Desk& desk, const uint8_t* packet, int length) {
        rows.replace(parseListPage(packet, length, Row::WireSize));
        rows.cursor = PageCursor{1, 0};
        desk.notify(DeskChange::PageLabel);
    }

protected:
    // Asks for one page, `query` written by `write`, and lists its rows.
    template <class Query>
    bool queryRows(Desk& desk, uint8_t command, const Query& query,
                   std::vector<uint8_t> (*write)(const Query&)) {
        ReportQuery report;
        report.request = [&query, write] { return write(query); };
        report.command = command;
        report.rowSize = Row::WireSize;
        return runReportQuery(desk, report,
                              [this](const ListPage& answer) { rows.replace(answer); });
    }

    template <std::size_t Count>
    MoneyRowsPage(const std::array<const char*, Count>& captions,
                  std::vector<std::string> (*cellsOf)(const Row&))
        : cellsOf_(cellsOf) {
        for (const char* caption : captions) columns_.push_back({caption, 100});
    }

private:
    std::vector<ReportColumn> columns_;
    std::vector<std::string> (*cellsOf_)(const Row&);
};

}  // namespace korvant
