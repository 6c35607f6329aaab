#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/Command.h"

// The command line of korvant-cli: global options, one subcommand per
// command (object first, then action), --help, and the exit statuses.
namespace korvant::cli {

class CliContext;

// Every command of the program, in help order.
std::vector<std::unique_ptr<Command>> allCommands();

// Parses `args` (without the program name) into the context's options and
// runs the chosen command. Returns the exit status: 0 done, 1 refused or
// failed, 2 usage error, 3 the desk would end here or the connection failed.
int runCli(const std::vector<std::string>& args, CliContext& context);

// The text of `korvant-cli --help`.
std::string cliHelp();

// The man page korvant-cli.1 (roff) and the bash completion script,
// generated from the command definitions: the build writes them with the
// hidden options below (alone on the line) and installs them.
inline constexpr const char* ManPageOption = "--generate-man-page";
inline constexpr const char* BashCompletionOption = "--generate-bash-completion";
std::string manPage();
std::string bashCompletion();

}  // namespace korvant::cli
