#pragma once

#include <string>

namespace CLI {
class App;
}

namespace korvant {
class ReportPage;
}

// One verb of korvant-cli, named object first ("group list"). A command
// declares its own options on its CLI11 subcommand and runs with the
// context. The log-in before it and its exit status are the base's: a
// command only says whether everything asked for was done.
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
    // Checks of the command's own values that the parser cannot make, before
    // anything is sent; false after saying why on stderr (exit status 2).
    virtual bool checkUsage(CliContext& context) {
        (void)context;
        return true;
    }
    // Whether the command logs in before it runs (every command that asks
    // the server).
    virtual bool logsIn() const { return true; }
    // Runs the command once logged in. True when everything asked for was
    // done; false when anything was refused or failed (its message shown).
    virtual bool run(CliContext& context) = 0;

protected:
    // A report page as TSV on stdout (the column captions, then the cells of
    // the rows on screen) and its page label on stderr.
    static void printPage(CliContext& context, const ReportPage& page);
};

// Logs in, runs `command` and maps what it reported to the exit status:
// 0 when it was done and no error was shown, 1 when anything was refused or
// failed, 2 for a usage error, 3 when the desk ends (ProgramEnd) or the
// connection failed.
int runCommand(Command& command, CliContext& context);

}  // namespace korvant::cli
