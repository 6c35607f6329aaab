#include "cli/commands/Commands.h"

#include "cli/CliApp.h"

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
    return commands;
}

}  // namespace korvant::cli
