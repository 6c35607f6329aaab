#pragma once

#include <optional>
#include <string>
#include <utility>

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
    Command() = default;
    // A command's words and its --help line are data given where the
    // command is added to the list.
    Command(std::string name, std::string help) : name_(std::move(name)), help_(std::move(help)) {}
    virtual ~Command() = default;
    // Words of the command line, e.g. "group list".
    virtual std::string name() const { return name_; }
    // One line for --help.
    virtual std::string help() const { return help_; }
    // Declares the command's own options.
    virtual void addOptions(CLI::App& app) { (void)app; }
    // Checks of the command's own values that the parser cannot make, before
    // anything is sent; false after saying why on stderr (exit status 2).
    virtual bool checkUsage(CliContext& context) {
        (void)context;
        return true;
    }
    // Whether the command writes a table file that may be a workbook
    // (--format xlsx is refused for every other command).
    virtual bool writesTables() const { return false; }
    // Whether the command logs in before it runs (every command that asks
    // the server).
    virtual bool logsIn() const { return true; }
    // Runs the command once logged in. True when everything asked for was
    // done; false when anything was refused or failed (its message shown).
    virtual bool run(CliContext& context) = 0;

protected:
    // --page: the page to print, from 1 as the page labels count.
    static void addPageOption(CLI::App& app, int& page);
    // A report page on stdout in the format of --format (PageWriter.h: TSV
    // by default, the captions of the shown columns, then the cells of the
    // records on screen) and its page label on stderr (not with --quiet).
    // With --all, page 0 and then every further page up to the total the
    // first page announced, one header, and the label of the last page once
    // at the end; a page that fails stops the list and the command exits 1.
    static void printPage(CliContext& context, ReportPage& page);
    // Rows printed whole (a TablePage): the header and the rows in the
    // format of --format, no page label.
    static void printRows(CliContext& context, const ReportPage& page);

private:
    std::string name_, help_;
};

// Said on stderr when stdout did not take the output (a full disk, a
// closed pipe).
inline constexpr const char* StdoutFailedText =
    "无法写入标准输出, 输出不完整 (磁盘已满或管道已关闭)";

// Flushes stdout: true when everything written so far reached it, else false
// after StdoutFailedText (error icon).
bool outputWritten(CliContext& context);

// The file of an export as named on the command line, with --format xlsx:
// ".xlsx" appended to a name without extension, a name with another
// extension refused (none, after saying why). Otherwise `path` itself.
std::optional<std::string> tableFilePath(CliContext& context, const std::string& path);

// Logs in, runs `command` and maps what it reported to the exit status:
// 0 when it was done and no error was shown, 1 when anything was refused or
// failed (stdout not written included), 2 for a usage error, 3 when the desk ends (ProgramEnd) or
// the connection failed.
int runCommand(Command& command, CliContext& context);

}  // namespace korvant::cli
