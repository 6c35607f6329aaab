#include <CLI/CLI.hpp>

#include <ostream>

#include "accounts/deposits/DepositRecordsPage.h"
#include "app/desk/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/Tsv.h"
#include "cli/commands/Commands.h"

// `deposits`: one page of the deposit records (" 出入金记录 ") as TSV, or with
// --export FILE every page of the date range written as the desk's CSV file.
namespace korvant::cli {
namespace {

class DepositsCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override;
    bool writesTables() const override { return true; }
    bool checkUsage(CliContext& context) override {
        if (context.options.format != OutputFormat::Xlsx || exportPath_) return true;
        context.err() << "--format xlsx 需要 --export 文件\n";
        return false;
    }
    bool run(CliContext& context) override;

private:
    int from_ = 0;
    int to_ = 0;
    std::string customer_;
    int accountId_ = -1;
    int page_ = 1;
    std::optional<std::string> exportPath_;
};

void DepositsCommand::addOptions(CLI::App& app) {
    app.add_option("--from", from_, "起始日 YYYYMMDD (\"时间范围\" \"从\")")->required();
    app.add_option("--to", to_, "截止日 YYYYMMDD (\"到\")")->required();
    app.add_option("--customer", customer_, "客户号 (\"客户号\")");
    app.add_option("--account-id", accountId_, "报表树中所选账号的 id (-1: 按 --customer)");
    addPageOption(app, page_);
    app.add_option("--export", exportPath_,
                   "把每一页以 CSV 写入此文件 (\"导出\"); 文件名以 \".xlsx\" 结尾或使用 --format "
                   "xlsx 时写为 Excel 工作簿");
}

bool DepositsCommand::run(CliContext& context) {
    Desk& desk = context.desk();
    DepositRecordsPage& page = depositRecordsPage(desk);
    page.startDate = from_;
    page.endDate = to_;
    page.account = customer_;
    page.target.id = customer_.empty() ? accountId_ : -1;

    if (exportPath_) {
        DepositExportForm form;
        form.startDate = from_;
        form.endDate = to_;
        const std::optional<std::string> file = tableFilePath(context, *exportPath_);
        if (!file) return false;
        form.path = *file;
        return checkDepositExportForm(context.port(), form) &&
               exportDepositRecords(desk, page, form);
    }

    if (!queryDepositRecords(desk, page, page_ - 1)) return false;
    printPage(context, page);
    return true;
}

}  // namespace

void addDepositRecordsCommand(CommandList& commands) {
    commands.push_back(std::make_unique<DepositsCommand>(
        "deposits", "输出一段日期内出入金记录的一页, 或全部导出"));
}

}  // namespace korvant::cli
