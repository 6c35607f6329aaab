#include <CLI/CLI.hpp>

#include <ostream>
#include <string>
#include <vector>

#include "app/desk/Desk.h"
#include "cli/CliContext.h"
#include "cli/commands/Commands.h"
#include "cli/commands/ReportTargetOptions.h"
#include "reports/trading/PositionChange.h"
#include "reports/trading/TradingCodes.h"
#include "reports/trading/TradingExports.h"
#include "reports/trading/TradingPages.h"

// `report trades|orders|positions`: one page of a report of one trading day
// as TSV; `position modify`: "修改" on chosen rows of the position page.
namespace korvant::cli {
namespace {

template <class Page>
class TradingReportCommand : public Command {
public:
    using Export = ReportExportResult (*)(Desk&, Page&, const ReportExportForm&);
    TradingReportCommand(const std::string& word, const std::string& caption, Page& (*page)(Desk&),
                         Export exportPages = nullptr)
        : Command("report " + word,
                  "以 TSV 输出某交易日 \"" + caption + "\" 的一页" +
                      (exportPages != nullptr ? ", 或把一段日期的每一页导出为 CSV" : "")),
          page_(page),
          export_(exportPages) {}
    void addOptions(CLI::App& app) override {
        date_ = app.add_option("--date", day_, "交易日 YYYYMMDD (\"日期:\")");
        target_.add(app);
        addPageOption(app, pageNumber_);
        if (export_ == nullptr) {
            date_->required();
            return;
        }
        app.add_option("--export", path_,
                       "把 --from..--to 的每一页以 CSV 写入此文件 (\"导出\"; GBK, CR LF; 文件名以 "
                       "\".xlsx\" 结尾或使用 --format xlsx 时为 Excel 工作簿; 已有的文件须经询问 "
                       "(--yes) 才替换, 且在新文件完整后才替换)");
        app.add_option("--from", form_.startDate, "--export 的起始日 YYYYMMDD (\"从\")");
        app.add_option("--to", form_.endDate, "--export 的截止日 YYYYMMDD (\"到\")");
    }
    bool writesTables() const override { return export_ != nullptr; }
    bool checkUsage(CliContext& context) override {
        if (!target_.check(context)) return false;
        if (export_ == nullptr) return true;
        const bool exporting = !path_.empty();
        if (context.options.format == OutputFormat::Xlsx && !exporting) {
            context.err() << "--format xlsx 需要 --export 文件\n";
            return false;
        }
        if (exporting != (form_.startDate != 0 && form_.endDate != 0) ||
            exporting == (date_->count() > 0)) {
            context.err()
                << "请给出 --date 日期, 或 --export 文件 --from 日期 --to 日期 (二者之一)\n";
            return false;
        }
        return true;
    }
    bool run(CliContext& context) override {
        Desk& desk = context.desk();
        Page& page = page_(desk);
        page.day = day_;
        if (!target_.applyTo(desk, page)) return false;
        if (!path_.empty()) {
            const std::optional<std::string> file = tableFilePath(context, path_);
            if (!file || !takeChosenExportPath(desk.port(), form_, *file) ||
                !validateReportExportForm(desk.port(), form_))
                return false;
            const ReportExportResult result = export_(desk, page, form_);
            if (result.written) context.err() << exportCountText(result) << '\n';
            return result.written;
        }
        if (!page.showPage(desk, pageNumber_ - 1)) return false;
        printPage(context, page);
        return true;
    }

private:
    Page& (*page_)(Desk&);
    Export export_;
    CLI::Option* date_ = nullptr;
    int day_ = 0;
    int pageNumber_ = 1;
    ReportTargetOptions target_;
    std::string path_;
    ReportExportForm form_;
};

class PositionModifyCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        app.add_option("--date", day_, "交易日 YYYYMMDD (\"日期:\")")->required();
        app.add_option("--account", account_, "客户号 (\"客户号:\")")->required();
        app.add_option("--row", rows_,
                       "持仓第一页中的行号, 从 1 起 (可重复; 不给出时与柜台界面一样被拒绝)")
            ->check(CLI::PositiveNumber);
        app.add_option("--volume", volume_, "新的数量 (\"修改持仓数量:\")")
            ->check(CLI::NonNegativeNumber);
        app.add_option("--type", type_, "新的类型 (\"修改投保类型:\"): 投机, 套利 或 保值")
            ->check(CLI::IsMember({HedgeChoices[0], HedgeChoices[1], HedgeChoices[2]}));
    }
    bool checkUsage(CliContext& context) override {
        if (volume_ < 0 && type_.empty()) {
            context.err() << "请给出 --volume 数量、--type 投保类型或二者\n";
            return false;
        }
        return true;
    }
    bool run(CliContext& context) override {
        Desk& desk = context.desk();
        PositionsPage& page = positionsPage(desk);
        page.day = day_;
        page.account = account_;
        if (!page.search(desk)) return false;
        std::vector<int> chosen;
        for (int row : rows_) {
            if (row > page.rowCount()) {
                context.err() << "[提示] no row " << row << " among the " << page.rowCount()
                              << " positions listed\n";
                return false;
            }
            chosen.push_back(row - 1);
        }
        PositionChangeForm form;
        form.changeVolume = volume_ >= 0;
        form.volume = volume_;
        form.changeHedge = !type_.empty();
        for (int i = 0; i < 3; ++i)
            if (type_ == HedgeChoices[i]) form.hedgeIndex = i;
        if (!validatePositionChangeForm(desk.port(), form)) return false;
        const bool done = changePositions(desk, page, chosen, form);
        if (!chosen.empty()) printPage(context, page);
        return done;
    }

private:
    int day_ = 0;
    std::string account_;
    std::vector<int> rows_;
    int volume_ = -1;
    std::string type_;
};

}  // namespace

void addTradingReportCommands(CommandList& commands) {
    commands.push_back(std::make_unique<TradingReportCommand<TradesPage>>(
        "trades", "成交记录", &tradesPage, &exportTrades));
    commands.push_back(std::make_unique<TradingReportCommand<OrdersPage>>(
        "orders", "委托记录", &ordersPage, &exportOrders));
    commands.push_back(std::make_unique<TradingReportCommand<PositionsPage>>(
        "positions", "持仓记录", &positionsPage));
    commands.push_back(std::make_unique<PositionModifyCommand>(
        "position modify",
        "修改账号持仓的数量或投机/套保类型 (\"修改选中的持仓\"), 然后再次输出持仓"));
}

}  // namespace korvant::cli
