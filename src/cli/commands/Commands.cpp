#include "cli/commands/Commands.h"

#include "cli/CliApp.h"
#include "cli/commands/RateTemplateCommands.h"

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
    return commands;
}

}  // namespace korvant::cli
