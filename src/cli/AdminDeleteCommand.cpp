#include "cli/AdminDeleteCommand.h"

#include <CLI/CLI.hpp>

#include "accounts/administrators/AdministratorOperations.h"
#include "app/Desk.h"
#include "cli/AccountSelection.h"
#include "cli/AdministratorSelection.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace korvant::cli {

std::string AdminDeleteCommand::help() const {
    return "delete an administrator of a group (asks; --yes answers)";
}

void AdminDeleteCommand::addOptions(CLI::App& app) {
    app.add_option("--group", group_, "id of the group in the groups tree")->required();
    app.add_option("--account", account_, "administrator account (\"账号\")")->required();
}

int AdminDeleteCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    if (!chooseGroup(context, group_, AccountList::Administrators)) return ExitFailed;
    const std::optional<int> row = findAdministrator(context, account_);
    if (!row) return ExitFailed;
    return deleteAdministrator(context.desk(), {*row}) ? ExitDone : ExitFailed;
}

}  // namespace korvant::cli
