#include <CLI/CLI.hpp>

#include <ostream>

#include "accounts/deposits/DepositRecordsPage.h"
#include "app/Desk.h"
#include "app/MainState.h"
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
    app.add_option("--from", from_, "first day YYYYMMDD (\"时间范围\" \"从\")")->required();
    app.add_option("--to", to_, "last day YYYYMMDD (\"到\")")->required();
    app.add_option("--customer", customer_, "customer number (\"客户号\")");
    app.add_option("--account-id", accountId_,
                   "account id as chosen in the report tree (-1: by --customer)");
    addPageOption(app, page_);
    app.add_option("--export", exportPath_,
                   "write every page as CSV to this file (\"导出\"); an Excel workbook for a "
                   "name ending in \".xlsx\" or with --format xlsx");
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
        "deposits", "print one page of the deposit records of a date range, or export them all"));
}

}  // namespace korvant::cli
