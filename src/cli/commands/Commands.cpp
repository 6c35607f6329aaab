#include "cli/commands/Commands.h"

#include "cli/CliApp.h"
#include "cli/commands/LogCommand.h"
#include "cli/commands/ParamsCommands.h"
#include "cli/commands/RateTemplateCommands.h"
#include "cli/commands/SettleCommands.h"

namespace korvant::cli {

CommandList allCommands() {
    CommandList commands;
    addLoginCommand(commands);
    addPasswordCommand(commands);
    addGroupCommands(commands);
    addAdminCommands(commands);
    addSubAccountCommands(commands);
    addMainAccountCommands(commands);
    addDepositCommands(commands);
    addDepositRecordsCommand(commands);
    addRateTemplateCommands(commands, feeKind());
    addRateTemplateCommands(commands, marginKind());
    addRiskCommands(commands);
    commands.push_back(std::make_unique<SettleStartCommand>());
    commands.push_back(std::make_unique<SettleStatusCommand>());
    commands.push_back(std::make_unique<SettleClearCommand>());
    commands.push_back(std::make_unique<SettlePricesCommand>());
    commands.push_back(std::make_unique<SettlePriceCommand>());
    commands.push_back(std::make_unique<ParamsShowCommand>());
    commands.push_back(std::make_unique<ParamsSetCommand>());
    commands.push_back(std::make_unique<LogCommand>());
    addStatementCommands(commands);
    addFundsReportCommands(commands);
    addTradingReportCommands(commands);
    return commands;
}

}  // namespace korvant::cli
