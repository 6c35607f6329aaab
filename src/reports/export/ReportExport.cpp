#include "reports/export/ReportExport.h"

#include <vector>

#include "app/desk/Desk.h"
#include "app/exchange/DeskPagedQuery.h"
#include "app/exchange/Exchange.h"
#include "app/exchange/PageProgress.h"
#include "app/forms/DateCheck.h"
#include "local/TableFile.h"
#include "model/ListAnswer.h"
#include "text/NumberText.h"

namespace korvant {

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

    // Each page is written as it is parsed, which the loop does once the
    // request of the next page is out: the lines are formatted while the
    // server builds the next answer. A page that would take the file past
    // its cap is not written, nor is any page after a failed write; either
    // stops the read once the answer already asked for is in, before
    // anything more is asked.
    bool tooLarge = false;
    bool writeFailed = false;
    int64_t rowsRead = 0;
    // Set for every page but the last (its next page was asked for): only
    // the last answer is kept for the page's list.
    bool morePages = false;
    query.parsePage = [&](const uint8_t* packet, int length) {
        if (tooLarge || writeFailed) return;
        ++result.pages;
        const ListPage page = parseListPage(packet, length, exported.rowSize);
        rowsRead += page.count;
        if (exported.showLast && !morePages) last.assign(packet, packet + length);
        morePages = false;
        for (int i = 0; i < page.count; ++i)
            exported.writeRow(file, page.records + static_cast<std::size_t>(i) * exported.rowSize);
        switch (file.endPage(exported.maxBytes)) {
            case PageWrite::Written:
                result.rows += page.count;
                break;
            case PageWrite::TooLarge:
                tooLarge = true;
                break;
            case PageWrite::Failed:
                writeFailed = true;
                break;
        }
    };
    // Each page shows the counts; a failed write stops the read before the
    // next request.
    query.pageRead = [&](int, int announced) {
        morePages = true;
        return !tooLarge && !writeFailed &&
               progress.step(
                   exportProgressText(exported.title, result.pages + 1, announced, rowsRead),
                   result.pages + 1, announced);
    };
    PagedQueryTexts texts;
    texts.buildFailed = " 组包出错!!";
    texts.progress = exported.title;
    PagedQueryResult end = PagedQueryResult::Done;
    const bool complete = runDeskPagedQuery(desk, std::move(query), texts, &end);
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
