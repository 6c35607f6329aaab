#include "cli/AccountListCommand.h"
#include "cli/AdminDeleteCommand.h"
#include "cli/AdminEditCommand.h"
#include "cli/CliApp.h"
#include "cli/DepositCommand.h"
#include "cli/DepositsCommand.h"
#include "cli/GroupEditCommand.h"
#include "cli/GroupListCommand.h"
#include "cli/LogCommand.h"
#include "cli/LoginCommand.h"
#include "cli/MainAccountAddCommand.h"
#include "cli/MainAccountDeleteCommand.h"
#include "cli/MainAccountLinkCommand.h"
#include "cli/MainAccountModifyCommand.h"
#include "cli/MainAccountSubAccountsCommand.h"
#include "cli/ParamsCommands.h"
#include "cli/PasswordCommand.h"
#include "cli/SettleCommands.h"
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
    commands.push_back(std::make_unique<AdminEditCommand>(true));
    commands.push_back(std::make_unique<AdminEditCommand>(false));
    commands.push_back(std::make_unique<AdminDeleteCommand>());
    commands.push_back(std::make_unique<PasswordCommand>());
    commands.push_back(std::make_unique<GroupEditCommand>(true));
    commands.push_back(std::make_unique<GroupEditCommand>(false));
    commands.push_back(std::make_unique<DepositCommand>(DepositMode::SubAccount));
    commands.push_back(std::make_unique<DepositCommand>(DepositMode::MainAccount));
    commands.push_back(std::make_unique<DepositCommand>(DepositMode::Link));
    commands.push_back(std::make_unique<DepositsCommand>());
    commands.push_back(std::make_unique<SubAccountAddCommand>());
    commands.push_back(std::make_unique<SubAccountModifyCommand>());
    commands.push_back(std::make_unique<SubAccountDeleteCommand>());
    commands.push_back(std::make_unique<MainAccountAddCommand>());
    commands.push_back(std::make_unique<MainAccountModifyCommand>());
    commands.push_back(std::make_unique<MainAccountDeleteCommand>());
    commands.push_back(std::make_unique<MainAccountLinkCommand>(true));
    commands.push_back(std::make_unique<MainAccountLinkCommand>(false));
    commands.push_back(std::make_unique<MainAccountSubAccountsCommand>());
    commands.push_back(std::make_unique<SettleStartCommand>());
    commands.push_back(std::make_unique<SettleStatusCommand>());
    commands.push_back(std::make_unique<SettleClearCommand>());
    commands.push_back(std::make_unique<SettlePricesCommand>());
    commands.push_back(std::make_unique<SettlePriceCommand>());
    commands.push_back(std::make_unique<ParamsShowCommand>());
    commands.push_back(std::make_unique<ParamsSetCommand>());
    commands.push_back(std::make_unique<LogCommand>());
    return commands;
}

}  // namespace korvant::cli
