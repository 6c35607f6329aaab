#include <CLI/CLI.hpp>

#include <filesystem>
#include <ostream>

#include "app/desk/Desk.h"
#include "app/forms/SaveTarget.h"
#include "cli/CliContext.h"
#include "cli/ControlEscape.h"
#include "cli/ExitStatus.h"
#include "cli/GlobalOptions.h"
#include "cli/PdfOutput.h"
#include "cli/commands/Commands.h"
#include "local/TableFile.h"
#include "reports/statements/StatementAssembly.h"
#include "reports/statements/StatementPage.h"

// `statement`: one settlement statement (" 结算单 ") on stdout, saved to a
// file or written as PDF; `statement batch`: the daily statements of a group
// for a date range exported into a folder ("批量导出").
namespace korvant::cli {
namespace {

const std::vector<std::pair<std::string, StatementStyle>> Styles = {
    {"盯市", StatementStyle::MarkToMarket},
    {"逐笔", StatementStyle::TradeByTrade},
    {"0", StatementStyle::MarkToMarket},
    {"1", StatementStyle::TradeByTrade}};

StatementStyle styleOf(const std::string& text) {
    for (const auto& [name, style] : Styles)
        if (name == text) return style;
    return StatementStyle::MarkToMarket;
}

CLI::Option* addStyle(CLI::App& app, std::string& style) {
    return app.add_option("--style", style, "\"盯市\" (默认) 或 \"逐笔\"")
        ->check(CLI::IsMember({"盯市", "逐笔", "0", "1"}));
}

class StatementCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override;
    bool checkUsage(CliContext& context) override;
    // --format xlsx: a CSV statement saved as a workbook.
    bool writesTables() const override { return true; }
    bool run(CliContext& context) override;

private:
    bool show(CliContext& context);
    bool batch(CliContext& context);

    CLI::App* batch_ = nullptr;
    std::string account_;
    int day_ = 0;
    int month_ = 0;
    int from_ = 0;
    int to_ = 0;
    std::string style_ = "盯市";
    bool csv_ = false;
    std::string save_;
    std::string pdf_;
    // statement batch
    int group_ = 0;
    int batchFrom_ = 0;
    int batchTo_ = 0;
    std::string folder_;
    std::string batchStyle_ = "盯市";
    bool batchCsv_ = false;
};

void StatementCommand::addOptions(CLI::App& app) {
    app.add_option("--account", account_, "客户号 (\"客户号\")");
    auto* day = app.add_option("--day", day_, "YYYYMMDD 的日结单 (\"日结单\")");
    auto* month = app.add_option("--month", month_, "YYYYMM 的月结单 (\"月结单\")");
    auto* from = app.add_option("--from", from_, "日期范围的起始日 YYYYMMDD (\"日期范围\")");
    auto* to = app.add_option("--to", to_, "日期范围的截止日 YYYYMMDD");
    from->needs(to);
    to->needs(from);
    day->excludes(month)->excludes(from);
    month->excludes(from);
    addStyle(app, style_);
    app.add_flag("--csv", csv_, "CSV 文本 (\"CSV格式\")");
    app.add_option("--save", save_,
                   "保存到此文件 (缺少扩展名时加 \".txt\"/\".csv\"); 以 \"/\" 结尾的文件夹: "
                   "以建议的文件名保存在其中; CSV 格式的结算单在文件名以 \".xlsx\" 结尾或使用 "
                   "--format xlsx 时写为 Excel 工作簿 (每行一行, 金额为数字)");
    app.add_option("--pdf", pdf_, "把结算单按打印的样式写为 PDF 文件");

    batch_ = app.add_subcommand("batch", "导出组的日结单 (\"批量导出\")");
    batch_->add_option("--group", group_, "报表树中的组 id")->required();
    batch_->add_option("--from", batchFrom_, "起始日 YYYYMMDD")->required();
    batch_->add_option("--to", batchTo_, "截止日 YYYYMMDD")->required();
    batch_->add_option("--folder", folder_, "导出到的文件夹 (\"导出到\"), 不存在时创建")
        ->required();
    addStyle(*batch_, batchStyle_);
    batch_->add_flag("--csv", batchCsv_, "CSV 文本 (\"CSV 格式\")");
}

bool StatementCommand::checkUsage(CliContext& context) {
    const bool xlsxFormat = context.options.format == OutputFormat::Xlsx;
    if (batch_ != nullptr && batch_->parsed()) {
        if (!xlsxFormat) return true;
        context.err() << "批量导出结算单只写 .txt/.csv 文件, 不能用 --format xlsx\n";
        return false;
    }
    const bool workbook =
        xlsxFormat || (!save_.empty() && tableFormatOf(save_) == TableFileFormat::Xlsx);
    if (xlsxFormat && save_.empty()) {
        context.err() << "--format xlsx 需要 --save 文件\n";
        return false;
    }
    if (workbook && !csv_) {
        context.err()
            << "只有 CSV 格式 (--csv) 的结算单能写为 Excel 工作簿; 文本格式的结算单请存为 "
               ".txt 文件\n";
        return false;
    }
    if (!account_.empty() && (day_ != 0 || month_ != 0 || from_ != 0)) return true;
    context.err() << "statement: 需要 --account 以及 --day、--month 或 --from/--to 之一\n";
    return false;
}

bool StatementCommand::run(CliContext& context) {
    if (batch_ != nullptr && batch_->parsed()) return batch(context);
    return show(context);
}

bool StatementCommand::show(CliContext& context) {
    Desk& desk = context.desk();
    StatementPage& page = statementPage(desk);
    page.account = account_;
    page.style = styleOf(style_);
    page.csv = csv_;
    page.period.type = month_ != 0  ? PeriodType::Month
                       : from_ != 0 ? PeriodType::Range
                                    : PeriodType::Day;
    page.period.first = month_ != 0 ? month_ * 100 + 1 : from_ != 0 ? from_ : day_;
    page.period.month = month_;
    page.period.last = to_;
    // The files' targets are checked before the statement is fetched: a
    // folder, a device or a FIFO is never replaced.
    std::string savePath;
    if (!save_.empty()) {
        std::error_code error;
        const bool folder = (save_.back() == '/') && std::filesystem::is_directory(save_, error);
        const bool xlsxFormat = context.options.format == OutputFormat::Xlsx;
        if (folder) {
            savePath = save_ + proposedStatementName(page);
            if (xlsxFormat) savePath.replace(savePath.size() - 3, 3, "xlsx");  // was "csv"
        } else if (xlsxFormat) {
            const std::optional<std::string> path = tableFilePath(context, save_);
            if (!path) return false;
            savePath = *path;
        } else {
            savePath = withStatementExtension(save_, csv_);
        }
        if (!checkSaveTarget(context.port(), savePath)) return false;
    }
    if (!pdf_.empty() && !checkSaveTarget(context.port(), pdf_)) return false;
    if (!queryStatement(desk, page)) {
        if (page.text == StatementMissingText) context.refuse(StatementMissingText);
        return false;
    }
    if (save_.empty() && pdf_.empty()) {
        // Lines on stdout end with LF; a saved file keeps the server's bytes.
        std::string text = page.text;
        std::size_t at = 0;
        while ((at = text.find("\r\n", at)) != std::string::npos) text.erase(at, 1);
        context.out() << escapeControls(text, true) << std::flush;
        return true;
    }
    if (!savePath.empty() && !saveStatement(desk, page, savePath)) return false;
    if (!pdf_.empty()) {
        std::string error;
        if (!writeStatementPdf(pdf_, page.text, error)) {
            context.port().error("文件保存失败：" + pdf_ + "\n" + error);
            return false;
        }
    }
    return true;
}

bool StatementCommand::batch(CliContext& context) {
    Desk& desk = context.desk();
    StatementBatchForm form;
    form.from = batchFrom_;
    form.to = batchTo_;
    form.folder = folder_;
    form.style = styleOf(batchStyle_);
    form.csv = batchCsv_;
    StatementPage& page = statementPage(desk);
    if (group_ <= 0) {
        // The desk's message for a batch without a group; no dialog.
        page.target = {};
        return batchExportStatements(desk, page);
    }
    const std::optional<ReportTarget> target = reportGroupNode(desk, group_);
    if (!target) return false;
    if (!checkStatementBatchForm(context.port(), form)) return false;
    page.target = *target;
    return exportStatements(desk, *target, form).complete();
}

}  // namespace

void addStatementCommands(CommandList& commands) {
    commands.push_back(std::make_unique<StatementCommand>(
        "statement",
        "输出、保存一份结算单或写为 PDF; \"statement batch\" 把组的日结单导出到文件夹"));
}

}  // namespace korvant::cli
