#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "local/TableLayout.h"
#include "local/TableSink.h"
#include "model/PagedQuery.h"
#include "reports/export/ReportExportForm.h"

// One way to export a report to a CSV file or a workbook (by the file's
// extension, TableFile.h): every page the server holds for
// the date range, read in the report's page-loop shape, each page's lines
// written to the file while the server builds the next page (nothing held
// but a page), the file put in place only when it is complete.
namespace korvant {

class Desk;

// The caps of one export, so that a server whose pages never end fills
// neither memory nor disk: the pages of any paged read, and rows and bytes
// written at several times the largest real export (the trades of a month
// of the whole large data set: 1.3 million rows in some 14 000 pages, about
// 250 MB of CSV). An export that reaches one stops with TooMuchDataText and
// leaves no file.
inline constexpr int MaxExportPages = MaxQueryPages;
inline constexpr int64_t MaxExportRows = 10'000'000;
inline constexpr int64_t MaxExportBytes = int64_t{1} << 30;

struct ReportExport {
    // Names the export in the progress window ("导出账户资金").
    std::string title;
    uint8_t command = 0;  // of the requests and of their answers
    int rowSize = 1;      // bytes of one row in the answers
    PageLoop loop = PageLoop::LastIndex;
    // The request for `page`, empty when it cannot be built.
    std::function<std::vector<uint8_t>(int page)> requestPage;
    // The same for a writer that fills a buffer: its size, or 0 or less
    // when it cannot be built. Used when `requestPage` is empty.
    std::function<int(int page, uint8_t* buffer, int capacity)> writeRequest;
    // The columns (the CSV file's header line) and the workbook's sheet.
    TableLayout layout;
    // Writes the cells of one row (`rowSize` bytes from the wire) and ends it.
    std::function<void(TableSink& sink, const uint8_t* row)> writeRow;
    // After a complete export: the last answer received, for the page's list
    // (it shows the rows of the export's last page). May be empty.
    std::function<void(const uint8_t* packet, int length)> showLast;
    // The most pages read (a count above it is refused at the first page),
    // rows written and bytes written (the header included).
    int maxPages = MaxExportPages;
    int64_t maxRows = MaxExportRows;
    int64_t maxBytes = MaxExportBytes;
};

// How an export went, for the command line's summary and for tests.
struct ReportExportResult {
    bool written = false;  // the file is complete and in place
    int pages = 0;         // pages received
    int64_t rows = 0;      // rows written
};

// Runs `exported` into `form.path`: the temporary file is created first (a
// file that cannot be created is reported, "文件保存失败：PATH\nREASON", and
// nothing is fetched); then page after page with the progress window
// ("TITLE  第 n 页, 已写 m 行") and its 停止; then the file takes its name (an
// existing file is replaced only when `form.mayReplace`) and
// "数据保存成功，保存文件为：" + path is shown. A read that stops early (the
// user, a foreign answer, pages that do not advance, counts no report
// reaches, the caps above, a lost connection) or a write that fails leaves
// the old file untouched and no temporary file behind.
ReportExportResult runReportExport(Desk& desk, const ReportExportForm& form,
                                   const ReportExport& exported);

// "导出": the export dialog with the days `startDate` to `endDate`, then
// `run` over the form the user accepted. Whether the file was written.
bool exportThroughForm(Desk& desk, int32_t startDate, int32_t endDate,
                       const std::function<ReportExportResult(const ReportExportForm&)>& run);

// What a finished export wrote: "已导出 3 页, 510 行".
std::string exportCountText(const ReportExportResult& result);

// "TITLE  第 3/95 页, 已写 510 行"; "第 3 页" while no answer said how many
// pages there are.
std::string exportProgressText(const std::string& title, int pages, int announced, int64_t rows);

}  // namespace korvant
