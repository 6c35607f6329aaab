#include "cli/MainAccountDeleteCommand.h"

#include <CLI/CLI.hpp>

#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/Desk.h"
#include "cli/AccountSelection.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace korvant::cli {

std::string MainAccountDeleteCommand::help() const {
    return "delete a main account of a first-level group (asks; --yes answers)";
}

void MainAccountDeleteCommand::addOptions(CLI::App& app) {
    app.add_option("--group", group_, "id of the first-level group")->required();
    app.add_option("--account", account_, "main account")->required();
}

int MainAccountDeleteCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    if (!chooseGroup(context, group_, AccountList::MainAccounts)) return ExitFailed;
    const auto record = findMainAccount(context, account_);
    if (!record) return ExitFailed;
    return deleteMainAccount(context.desk(), &*record) ? ExitDone : ExitFailed;
}

}  // namespace korvant::cli
