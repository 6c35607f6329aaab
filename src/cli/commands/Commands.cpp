#include "cli/commands/Commands.h"

#include "cli/CliApp.h"
#include "templates/TemplateKind.h"

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
    addSettleCommands(commands);
    addParamsCommands(commands);
    addLogCommand(commands);
    addStatementCommands(commands);
    addFundsReportCommands(commands);
    addTradingReportCommands(commands);
    return commands;
}

}  // namespace korvant::cli
