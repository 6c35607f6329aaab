#pragma once

#include <string>

namespace CLI {
class App;
}

// One verb of korvant-cli, named object first ("group list"). A command
// declares its own options on its CLI11 subcommand and runs with the
// context; its result is the exit status.
namespace korvant::cli {

class CliContext;

class Command {
public:
    virtual ~Command() = default;
    // Words of the command line, e.g. "group list".
    virtual std::string name() const = 0;
    // One line for --help.
    virtual std::string help() const = 0;
    // Declares the command's own options.
    virtual void addOptions(CLI::App& app) { (void)app; }
    virtual int execute(CliContext& context) = 0;
};

}  // namespace korvant::cli
