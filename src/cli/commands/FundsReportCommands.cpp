#include <CLI/CLI.hpp>

#include <ostream>

#include "app/desk/Desk.h"
#include "cli/CliContext.h"
#include "cli/commands/Commands.h"
#include "cli/commands/ReportTargetOptions.h"
#include "reports/money/FundsPage.h"
#include "reports/money/NetValuePage.h"

// `report funds` (" 账户资金 ") and `report netvalue` (" 净值 "): one page as
// TSV, or with --export FILE every page of a date range written as the
// desk's CSV file. Other commands of the `report` group live in files of
// their own; the group is made of the first word of their names.
namespace korvant::cli {
namespace {

// --export FILE --from D --to D, as the desk's "导出" dialog.
struct ExportOptions {
    std::optional<std::string> path;
    int from = 0;
    int to = 0;

    void add(CLI::App& app, bool rangeIsTheQuerys) {
        auto* file = app.add_option("--export", path,
                                    "把每一页写入此文件 (\"导出\"): CSV (GBK), 文件名以 \".xlsx\" "
                                    "结尾或使用 --format xlsx 时为 Excel 工作簿");
        if (rangeIsTheQuerys) return;
        auto* first = app.add_option("--from", from, "导出的起始日 YYYYMMDD");
        auto* last = app.add_option("--to", to, "导出的截止日 YYYYMMDD");
        first->needs(file);
        last->needs(file);
        file->needs(first)->needs(last);
    }
    // The form as the dialog would hand it over: the file taken as "浏览"
    // takes it (its name rules, and the question before an existing file is
    // replaced: without --yes the answer is No and nothing is fetched).
    bool form(CliContext& context, ReportExportForm& form) const {
        form.startDate = from;
        form.endDate = to;
        const std::optional<std::string> file = tableFilePath(context, *path);
        return file && takeChosenExportPath(context.port(), form, *file) &&
               validateReportExportForm(context.port(), form);
    }
};

// --format xlsx names the kind of the export's file: without --export there
// is none.
bool exportUsage(CliContext& context, const ExportOptions& options) {
    if (context.options.format != OutputFormat::Xlsx || options.path) return true;
    context.err() << "--format xlsx 需要 --export 文件\n";
    return false;
}

void printExport(CliContext& context, const ReportExportResult& result) {
    if (result.written) context.err() << exportCountText(result) << '\n';
}

class FundsReportCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        auto* date = app.add_option("--date", date_, "交易日 YYYYMMDD (\"日期\")");
        target_.add(app);
        app.add_option("--sort", sort_, "排序方式 1-15 (\"排列方式\": 1 账号 … 15 总盯市盈亏)")
            ->check(CLI::Range(1, FundsSortKeys));
        app.add_option("--order", order_, "1 升序 (默认) 或 2 降序")->check(CLI::Range(1, 2));
        addPageOption(app, page_);
        export_.add(app, false);
        date->excludes("--export");
    }
    bool writesTables() const override { return true; }
    bool checkUsage(CliContext& context) override {
        if (!exportUsage(context, export_)) return false;
        if (!export_.path && date_ == 0) {
            context.err() << "请给出 --date 日期, 或 --export 文件 --from 日期 --to 日期\n";
            return false;
        }
        return target_.check(context);
    }
    bool run(CliContext& context) override {
        Desk& desk = context.desk();
        FundsPage& page = fundsPage(desk);
        page.day = date_;
        page.sortKey = sort_;
        page.order = order_;
        if (!target_.applyTo(desk, page)) return false;
        if (export_.path) {
            ReportExportForm form;
            if (!export_.form(context, form)) return false;
            const ReportExportResult result = exportFundsTo(desk, page, form);
            printExport(context, result);
            return result.written;
        }
        if (!page.showPage(desk, page_ - 1)) return false;
        printPage(context, page);
        return true;
    }

private:
    int date_ = 0;
    int sort_ = 1;
    int order_ = FundsAscending;
    int page_ = 1;
    ReportTargetOptions target_;
    ExportOptions export_;
};

class NetValueReportCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        app.add_option("--from", from_, "起始日 YYYYMMDD (\"时间范围\" \"从\")")->required();
        app.add_option("--to", to_, "截止日 YYYYMMDD (\"到\")")->required();
        target_.add(app);
        addPageOption(app, page_);
        export_.add(app, true);
    }
    bool writesTables() const override { return true; }
    bool checkUsage(CliContext& context) override {
        return exportUsage(context, export_) && target_.check(context);
    }
    bool run(CliContext& context) override {
        Desk& desk = context.desk();
        NetValuePage& page = netValuePage(desk);
        page.startDate = from_;
        page.endDate = to_;
        if (!target_.applyTo(desk, page)) return false;
        // A group: its main accounts, the first one queried (as in the desk).
        if (target_.group >= 0) {
            const int errorsBefore = context.port().errorCount();
            if (!reloadNetValueMainAccounts(desk, page)) {
                // A reload that failed has said why; only a list read whole
                // and empty means the group has none.
                if (page.mainAccounts.empty() && context.port().errorCount() == errorsBefore)
                    context.refuse("该组没有主账号");
                return false;
            }
        }
        if (export_.path) {
            ReportExportForm form;
            ExportOptions range = export_;
            range.from = from_;
            range.to = to_;
            if (!range.form(context, form)) return false;
            const ReportExportResult result = exportNetValuesTo(desk, page, form);
            printExport(context, result);
            return result.written;
        }
        // The group's first page is listed already.
        if ((target_.group < 0 || page_ > 1) && !page.showPage(desk, page_ - 1)) return false;
        printPage(context, page);
        return true;
    }

private:
    int from_ = 0;
    int to_ = 0;
    int page_ = 1;
    ReportTargetOptions target_;
    ExportOptions export_;
};

}  // namespace

void addFundsReportCommands(CommandList& commands) {
    commands.push_back(std::make_unique<FundsReportCommand>(
        "report funds", "输出某日账户资金 (\"账户资金\") 的一页, 或导出一段日期内的全部页"));
    commands.push_back(std::make_unique<NetValueReportCommand>(
        "report netvalue",
        "输出主账号净值 (\"净值\") 的一页, 或导出; --group 取该组的第一个主账号"));
}

}  // namespace korvant::cli
