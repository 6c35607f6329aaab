#include "cli/MainAccountSubAccountsCommand.h"

#include <CLI/CLI.hpp>

#include <ostream>

#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/Desk.h"
#include "cli/AccountSelection.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/Tsv.h"

namespace korvant::cli {

std::string MainAccountSubAccountsCommand::help() const {
    return "print the sub-accounts that use a main account (\"显示关联的子账号\")";
}

void MainAccountSubAccountsCommand::addOptions(CLI::App& app) {
    app.add_option("--group", group_, "id of the first-level group")->required();
    app.add_option("--account", account_, "main account")->required();
}

int MainAccountSubAccountsCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    if (!chooseGroup(context, group_, AccountList::MainAccounts)) return ExitFailed;
    const auto record = findMainAccount(context, account_);
    if (!record) return ExitFailed;
    const auto found = linkedSubAccounts(context.desk(), record->account);
    std::ostream& out = context.out();
    writeTsvRow(out, linkedSubAccountCaptions());
    for (const SubAccount& s : found) writeTsvRow(out, linkedSubAccountCells(s));
    out.flush();
    return ExitDone;
}

}  // namespace korvant::cli
