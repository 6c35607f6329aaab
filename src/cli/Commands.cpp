#include "cli/AccountListCommand.h"
#include "cli/CliApp.h"
#include "cli/GroupListCommand.h"
#include "cli/LoginCommand.h"

namespace korvant::cli {

std::vector<std::unique_ptr<Command>> allCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<LoginCommand>());
    commands.push_back(std::make_unique<GroupListCommand>());
    commands.push_back(std::make_unique<AccountListCommand>(AccountList::Administrators));
    commands.push_back(std::make_unique<AccountListCommand>(AccountList::MainAccounts));
    commands.push_back(std::make_unique<AccountListCommand>(AccountList::MainAccountLinks));
    commands.push_back(std::make_unique<AccountListCommand>(AccountList::SubAccounts));
    return commands;
}

}  // namespace korvant::cli
