#include "reports/export/ReportExport.h"

#include <mutex>
#include <vector>

#include "app/desk/Desk.h"
#include "app/exchange/DeskPagedQuery.h"
#include "app/exchange/Exchange.h"
#include "app/exchange/PageProgress.h"
#include "app/forms/DateCheck.h"
#include "local/HandOverThread.h"
#include "local/TableFile.h"
#include "model/ListAnswer.h"
#include "text/NumberText.h"

namespace korvant {

namespace {

// What the pages written so far came to.
struct WrittenPages {
    int64_t rows = 0;
    int64_t bytes = 0;
    // The longest the lines of the pages taken could have been.
    int64_t worstTaken = 0;
    bool failed = false;
    bool tooLarge = false;
};

// The most bytes the line of one row can take: its text cells at most four
// times the record's bytes in all (GBK takes at most twice the bytes it was
// decoded from, a quote is doubled), any other cell a number's longest text
// and its separator, then the line's end.
int64_t worstLineBytes(const ReportExport& exported) {
    const auto columns = static_cast<int64_t>(exported.layout.columns.size());
    return 4 * int64_t{exported.rowSize} + 3 * columns +
           columns * static_cast<int64_t>(FixedTextSize + 1) + 2;
}

}  // namespace

std::string exportCountText(const ReportExportResult& result) {
    return "已导出 " + formatInt(result.pages) + " 页, " + formatInt(result.rows) + " 行";
}

std::string exportProgressText(const std::string& title, int pages, int announced, int64_t rows) {
    if (announced > 0 && pages <= announced)
        return textf("%s  第 %d/%d 页, 已写 %lld 行", title.c_str(), pages, announced,
                     static_cast<long long>(rows));
    return textf("%s  第 %d 页, 已写 %lld 行", title.c_str(), pages, static_cast<long long>(rows));
}

bool exportThroughForm(Desk& desk, int32_t startDate, int32_t endDate,
                       const std::function<ReportExportResult(const ReportExportForm&)>& run) {
    ReportExportForm form;
    form.startDate = startDate;
    form.endDate = endDate;
    if (!editReportExportForm(desk.port(), form)) return false;
    return run(form).written;
}

ReportExportResult runReportExport(Desk& desk, const ReportExportForm& form,
                                   const ReportExport& exported) {
    FrontEndPort& port = desk.port();
    ReportExportResult result;
    if (!checkCalendarDates(port, {{"起始日期", form.startDate}, {"结束日期", form.endDate}}))
        return result;
    const auto failed = [&port, &form](const std::string& reason) {
        port.error("文件保存失败：" + form.path + "\n" + reason);
    };
    const std::unique_ptr<TableFile> opened = openTableFile(form.path, exported.layout);
    TableFile& file = *opened;
    if (!file.ok()) {
        failed(file.error());
        return result;
    }

    std::vector<uint8_t> last;
    PageProgress progress(port, exported.title);
    PagedQuery query;
    query.command = exported.command;
    query.recordSize = exported.rowSize;
    query.loop = exported.loop;
    query.requestPage = exported.requestPage;
    query.writeRequest = exported.writeRequest;
    query.maxPages = exported.maxPages;
    useStreamingCaps(query);
    query.maxRecords = exported.maxRows;

    // The pages are decoded and written on a worker while the read sends the
    // next request and waits for its answer. What the worker tells the read,
    // under `mutex`: the rows and bytes written, the worst case of the pages
    // it took, and whether the file failed or reached its cap.
    std::mutex mutex;
    WrittenPages written;
    written.bytes = file.size();
    const int64_t rowWorst = worstLineBytes(exported);
    // The lines of one page go to the file, unless it failed or reached its
    // cap before.
    const auto writePage = [&](const uint8_t* packet, int length) {
        const ListPage page = parseListPage(packet, length, exported.rowSize);
        bool skip = false;
        {
            std::lock_guard<std::mutex> lock(mutex);
            skip = written.failed || written.tooLarge;
        }
        PageWrite end = PageWrite::Failed;
        if (!skip) {
            for (int i = 0; i < page.count; ++i)
                exported.writeRow(file,
                                  page.records + static_cast<std::size_t>(i) * exported.rowSize);
            end = file.endPage(exported.maxBytes);
        }
        std::lock_guard<std::mutex> lock(mutex);
        written.worstTaken += page.count * rowWorst;
        if (skip) return;
        written.bytes = file.size();
        if (end == PageWrite::Written) written.rows += page.count;
        if (end == PageWrite::TooLarge) written.tooLarge = true;
        if (end == PageWrite::Failed) written.failed = true;
    };
    HandOverThread<std::vector<uint8_t>> worker(
        [&writePage](std::vector<uint8_t>& page) {
            writePage(page.data(), static_cast<int>(page.size()));
        },
        1);
    int64_t worstHanded = 0;
    int64_t rowsRead = 0;
    // A page whose lines would take the file past its cap is not written;
    // the read stops before the next request. So a page goes to the worker
    // only while the pages not yet written cannot reach the cap even at their
    // longest; near the cap the page is written here once the worker is done.
    bool tooLarge = false;
    // Set for every page but the last (its next page was asked for): only
    // the last answer is kept for the page's list.
    bool morePages = false;
    query.parsePage = [&](const uint8_t* packet, int length) {
        if (tooLarge) return;
        ++result.pages;
        const int count = parseListPage(packet, length, exported.rowSize).count;
        rowsRead += count;
        if (exported.showLast && !morePages) last.assign(packet, packet + length);
        morePages = false;
        const int64_t worst = count * rowWorst;
        bool handOver = false;
        {
            std::lock_guard<std::mutex> lock(mutex);
            handOver =
                written.bytes + (worstHanded - written.worstTaken) + worst <= exported.maxBytes;
        }
        worstHanded += worst;
        if (handOver) {
            worker.hand([packet, length](std::vector<uint8_t>& page) {
                page.assign(packet, packet + length);
            });
            return;
        }
        worker.finish();
        writePage(packet, length);
        std::lock_guard<std::mutex> lock(mutex);
        tooLarge = written.tooLarge;
    };
    // Each page shows the counts; a failed write stops the read before the
    // next request.
    query.pageRead = [&](int, int announced) {
        morePages = true;
        bool fine = false;
        {
            std::lock_guard<std::mutex> lock(mutex);
            fine = !written.failed && !written.tooLarge;
        }
        return fine && !tooLarge &&
               progress.step(
                   exportProgressText(exported.title, result.pages + 1, announced, rowsRead),
                   result.pages + 1, announced);
    };
    PagedQueryTexts texts;
    texts.buildFailed = " 组包出错!!";
    texts.progress = exported.title;
    PagedQueryResult end = PagedQueryResult::Done;
    const bool complete = runDeskPagedQuery(desk, std::move(query), texts, &end);
    worker.finish();
    result.rows = written.rows;
    tooLarge = tooLarge || written.tooLarge;
    if (!file.ok()) {
        failed(file.error());
        return result;
    }
    if (tooLarge) {
        port.error(TooMuchDataText);
        return result;
    }
    if (!complete) {
        if (end == PagedQueryResult::Stopped) port.info("导出已停止，文件未保存。");
        return result;
    }
    if (!file.commit(form.mayReplace)) {
        failed(file.error());
        return result;
    }
    result.written = true;
    if (exported.showLast && !last.empty())
        exported.showLast(last.data(), static_cast<int>(last.size()));
    port.info("数据保存成功，保存文件为：" + form.path);
    return result;
}

}  // namespace korvant
