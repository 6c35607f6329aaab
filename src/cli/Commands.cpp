#include "cli/AccountListCommand.h"
#include "cli/CliApp.h"
#include "cli/GroupListCommand.h"
#include "cli/LoginCommand.h"
#include "cli/MainAccountAddCommand.h"
#include "cli/MainAccountDeleteCommand.h"
#include "cli/MainAccountLinkCommand.h"
#include "cli/MainAccountModifyCommand.h"
#include "cli/MainAccountSubAccountsCommand.h"
#include "cli/SubAccountAddCommand.h"
#include "cli/SubAccountDeleteCommand.h"
#include "cli/SubAccountModifyCommand.h"

namespace korvant::cli {

std::vector<std::unique_ptr<Command>> allCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<LoginCommand>());
    commands.push_back(std::make_unique<GroupListCommand>());
    commands.push_back(std::make_unique<AccountListCommand>(AccountList::Administrators));
    commands.push_back(std::make_unique<AccountListCommand>(AccountList::MainAccounts));
    commands.push_back(std::make_unique<AccountListCommand>(AccountList::MainAccountLinks));
    commands.push_back(std::make_unique<AccountListCommand>(AccountList::SubAccounts));
    commands.push_back(std::make_unique<SubAccountAddCommand>());
    commands.push_back(std::make_unique<SubAccountModifyCommand>());
    commands.push_back(std::make_unique<SubAccountDeleteCommand>());
    commands.push_back(std::make_unique<MainAccountAddCommand>());
    commands.push_back(std::make_unique<MainAccountModifyCommand>());
    commands.push_back(std::make_unique<MainAccountDeleteCommand>());
    commands.push_back(std::make_unique<MainAccountLinkCommand>(true));
    commands.push_back(std::make_unique<MainAccountLinkCommand>(false));
    commands.push_back(std::make_unique<MainAccountSubAccountsCommand>());
    return commands;
}

}  // namespace korvant::cli
