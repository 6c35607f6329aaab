#include "cli/SubAccountDeleteCommand.h"

#include <CLI/CLI.hpp>

#include "accounts/subaccounts/SubAccountOperations.h"
#include "app/Desk.h"
#include "cli/AccountSelection.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace korvant::cli {

std::string SubAccountDeleteCommand::help() const {
    return "delete sub-accounts of a group (asks; --yes answers)";
}

void SubAccountDeleteCommand::addOptions(CLI::App& app) {
    app.add_option("--group", group_, "id of the group listing the sub-accounts")->required();
    app.add_option("--account", accounts_, "account number (\"子账号\"); repeat for several")
        ->required();
}

int SubAccountDeleteCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    if (!chooseGroup(context, group_, AccountList::SubAccounts)) return ExitFailed;
    const auto found = findSubAccounts(context, accounts_);
    if (!found) return ExitFailed;
    return deleteSubAccounts(context.desk(), *found) ? ExitDone : ExitFailed;
}

}  // namespace korvant::cli
