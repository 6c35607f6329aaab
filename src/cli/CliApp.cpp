#include "cli/CliApp.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <utility>

#include "app/BuildVersion.h"
#include "app/FrontEndPort.h"
#include "cli/CliContext.h"
#include "cli/CliReference.h"
#include "cli/ExitStatus.h"
#include "cli/UsageErrorText.h"

namespace korvant::cli {
namespace {

// What the options cannot say. The commands and their options follow,
// generated from the command definitions.
const char* const Notes = R"(
Global options may stand before or after the command; --password must stand
before it for the commands that have a --password of their own (subaccount
add, admin add, ...). The list commands search with --match-account,
--match-password, --match-date and --match-remark.

ENVIRONMENT
  KORVANT_HOST and KORVANT_PORT (both): the server, as --host and --port;
  KORVANT_USER: the account, as --user; KORVANT_PASSWORD: see PASSWORD;
  KORVANT_DIR: see LOCAL FILES. The options win over the environment
  (--server-index too); an empty variable counts as not set.

PASSWORD
  Taken from, in this order: --password, --password-stdin, the environment
  variable KORVANT_PASSWORD (less safe: other users may see a process's
  environment), the password saved in ServerInfo.Dat when its save flag is 1
  and the account is the saved one (with flag 0 the file gives no account and
  no password), a prompt without echo when standard input is a terminal;
  otherwise it is empty. The account and password may hold at
  most 15 bytes each. korvant-cli never writes ServerInfo.Dat.
  Never type a password into a command line: the shell keeps it in its
  history ("<<< pw" and "echo pw |" too). Let korvant-cli prompt for it, or
  give --password-stdin a file readable only by you:
    korvant-cli --password-stdin ... login < ~/.korvant-password
  korvant-cli clears the password from its memory after use and cannot be
  dumped or read by other processes.

  Operation passwords (admin add|modify, subaccount add|modify, password)
  may come from standard input with the command's own --password-stdin: the
  next line, or a prompt without echo on a terminal. "password
  --password-stdin" reads the current, new and confirmation passwords not
  given as options, one line each in that order. With the global
  --password-stdin (before the command) the login password's line is first.

LOCAL FILES
  Server.ini, ServerInfo.Dat and riskdetail.ini are read from --dir, else
  from the folder named by KORVANT_DIR, else beside the program when it is a
  portable copy (a folder the user can write, such as the build folder),
  else from $XDG_CONFIG_HOME/korvant (~/.config/korvant), which the first
  run fills with the shipped samples.

OUTPUT
  stdout carries data only, UTF-8: lists as TSV, a header line of the desk's
  column captions, then the cells as the desk shows them. For scripts:
  --all   every page of a list (page 1, then each further page up to the
          total the first page announced), one header; a page that fails
          stops the list with exit 1 (the rows before it printed).
  --format csv   the same rows as CSV: UTF-8 without a byte order mark,
          LF line ends, the cells escaped as in TSV, then the CSV cell rule
          below (a quote before a formula start, quotes around a comma).
  --format json  one array for the whole run, one object per record on a
          line of its own, written as the pages come. The account lists and
          the deposit records give the record's raw values under stable
          names (numbers as numbers, codes such as permissionMask and
          options as numbers, dates as yyyymmdd numbers, "不限" as its 0);
          other lists give the shown columns named by their captions (a
          repeated caption numbered from its second time on: "监控范围2")
          with the cells as strings. Strings are valid UTF-8; control
          characters come as \u00XX.
  Passwords in lists (admin list, subaccount list) are printed ****** in
  every format, so that an export holds no credentials; the list's
  --show-passwords prints them.
  --quiet  no status rows, page labels or progress on stderr.
  stderr carries one line per message box, "[CAPTION] TEXT" with the exact text
  (blanks kept), one line per status-list row,
  "status<TAB>TIME<TAB>TITLE<TAB>DETAIL" (passwords written 密码:******), and
  the page label of paged lists. Progress texts go to stderr only when it is
  a terminal. Control characters of server texts in cells, message boxes and
  status rows are escaped: a newline as the two characters \n, others (below
  0x20, and 0x7F) as \xNN.
  CSV exports put a single quote before a cell that starts with "=", "+",
  "-", "@", a tab or a carriage return and is not a plain number, and quote a
  cell holding a comma, a quote or a line break; a replaced file keeps its
  permission bits. An interrupted export leaves no temporary file.
  Every such export writes an Excel workbook instead when its file name ends
  in ".xlsx" or with --format xlsx: the captions as a bold, frozen first row,
  amounts as numbers with the CSV file's decimals, days as dates, codes and
  account numbers as text; never a formula.

EXIT STATUS
  0  done: everything asked for was done
  1  refused or failed (its message printed): a check of the login values, a
     refused login, a refused operation, a list whose answer was refused or
     could not be read, a group or account that does not exist, and any
     error shown on the way (one refused contract of --all-months, an
     answer that could not be read where the desk goes on)
  2  usage error
  3  the desk would end here, or the connection failed or was lost (its message
     printed first)
)";

constexpr std::size_t HelpWidth = 79;

// Appends `words` to `text`, breaking lines before HelpWidth; continuation
// lines start with `indent` blanks.
void appendWrapped(std::string& text, const std::vector<std::string>& words, std::size_t indent) {
    std::size_t column =
        text.size() - (text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
    for (const std::string& word : words) {
        if (column + 1 + word.size() > HelpWidth && column > indent) {
            text += '\n' + std::string(indent, ' ');
            column = indent;
        } else if (column > indent) {
            text += ' ';
            ++column;
        }
        text += word;
        column += word.size();
    }
    text += '\n';
}

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// The name of an option's value in the synopsis ("ID", "YYYYMMDD", "N"),
// empty for a flag.
std::string valueName(const CLI::Option& option) {
    std::string type = option.get_type_name();
    if (type.empty()) return {};  // a flag
    const std::string name = option.get_name();
    // CLI11 adds what it checks ("INT:INT in [1 - 9]", "TEXT:{a,b}").
    for (const char* plain : {"INT:", "TEXT:", "FLOAT:", "UINT:"})
        if (type.rfind(plain, 0) == 0) type = type.substr(0, type.find(':'));
    const bool number = type == "INT";
    if (name == "--group" || name == "--parent" || name == "--new-group" || name == "--account-id")
        return "ID";
    if (number &&
        (name == "--date" || name == "--match-date" || name == "--from" || name == "--to"))
        return "YYYYMMDD";
    return number ? "N" : type;
}

// The options of `app` that the help shows: not the help itself, not the
// hidden ones (old spellings kept only to name the new ones).
std::vector<const CLI::Option*> shownOptions(const CLI::App& app) {
    std::vector<const CLI::Option*> options;
    for (const CLI::Option* option : app.get_options())
        if (option != app.get_help_ptr() && !option->get_group().empty()) options.push_back(option);
    return options;
}

// "--group ID [--page N] [--account TEXT]... [--withdraw]" from the options
// of one command.
std::vector<std::string> synopsis(const CLI::App& leaf) {
    std::vector<std::string> words;
    for (const CLI::Option* option : shownOptions(leaf)) {
        std::string word = option->get_name();
        const std::string type = valueName(*option);
        if (!type.empty()) word += ' ' + type;
        if (!option->get_required()) word = '[' + word + ']';
        if (option->get_expected_max() > 1) word += "...";
        words.push_back(word);
    }
    return words;
}

std::vector<OptionReference> optionReferences(const CLI::App& app) {
    std::vector<OptionReference> references;
    for (const CLI::Option* option : shownOptions(app))
        references.push_back({option->get_name(), valueName(*option), option->get_description(),
                              option->get_required()});
    return references;
}

// "group list" as its two words; "login" as "login" and "".
std::pair<std::string, std::string> wordsOfName(const std::string& name) {
    std::istringstream words(name);
    std::string first, second;
    words >> first >> second;
    return {first, second};
}

// The command's words ("group", "list"; "login", "") when they can be told
// from the start of `args` alone: global options of `app`, with their
// values, then the words. Nothing when help is asked for or when anything
// before the words is not a global option; the whole parser then reads the
// line.
std::optional<std::pair<std::string, std::string>> commandWords(
    const CLI::App& app, const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        if (arg == "-h" || arg == "--help" || arg == "--") return std::nullopt;
    std::size_t i = 0;
    while (i < args.size() && !args[i].empty() && args[i][0] == '-') {
        const std::size_t equals = args[i].find('=');
        const CLI::Option* option = app.get_option_no_throw(args[i].substr(0, equals));
        if (option == nullptr) return std::nullopt;
        const bool flag = option->get_type_name().empty();
        if (flag && equals != std::string::npos) return std::nullopt;
        i += flag || equals != std::string::npos ? 1 : 2;
    }
    if (i >= args.size()) return std::nullopt;
    std::string second = i + 1 < args.size() ? args[i + 1] : std::string();
    return std::make_pair(args[i], second);
}

// What the commands of an object act on, for its one-line help; the
// actions follow.
std::string objectHelp(const std::string& object) {
    static const std::map<std::string, std::string> helps = {
        {"group", "the group tree"},
        {"admin", "administrators of a group"},
        {"subaccount", "sub-accounts of a group and their templates"},
        {"mainaccount", "main accounts and their links to second-level groups"},
        {"deposit", "deposits and withdrawals"},
        {"fee", "fee-rate templates"},
        {"margin", "margin-rate templates"},
        {"risk", "risk-control rules in the warehouse and loaded onto accounts"},
        {"settle", "the daily settlement and its settlement prices"},
        {"params", "the trading parameters"},
        {"report", "the reports of an account or a group"},
    };
    auto it = helps.find(object);
    return it != helps.end() ? it->second : "commands on " + object;
}

struct Parser {
    CLI::App app{"korvant-cli: the administrator desk of Korvant on the command line",
                 "korvant-cli"};
    std::vector<std::unique_ptr<Command>> commands;
    std::map<CLI::App*, Command*> leaves;
    std::vector<const CLI::App*> order;

    // With the command line `args`, the commands other than the one it names
    // are left out: building every command's options costs more than many a
    // command's whole work.
    explicit Parser(GlobalOptions& o, const std::vector<std::string>* args = nullptr) {
        app.require_subcommand(1);
        app.failure_message(usageErrorText);
        app.set_version_flag("--version", std::string("korvant-cli ") + buildVersion(),
                             "print the version and exit");
        app.add_option("--dir", o.dir,
                       "folder with Server.ini, ServerInfo.Dat and riskdetail.ini (default: "
                       "KORVANT_DIR, else beside the program, or ~/.config/korvant for an "
                       "installed copy)");
        app.add_option("--server-index", o.serverIndex,
                       "log in to entry N (from 0) of Server.ini; beyond the list counts as no "
                       "server selected. Without it, the index saved in ServerInfo.Dat (beyond "
                       "the list: entry 0)");
        auto* host = app.add_option("--host", o.host,
                                    "log in to HOST:PORT instead of a Server.ini entry (with "
                                    "--port)");
        auto* port = app.add_option("--port", o.port, "server port (with --host)")
                         ->check(CLI::Range(1, 65535));
        host->needs(port);
        port->needs(host);
        app.add_option("--user", o.user, "administrator account (default: the saved account)");
        auto* pw = app.add_option("--password", o.password,
                                  "password (visible to other users in the process list)");
        auto* pwStdin = app.add_flag("--password-stdin", o.passwordStdin,
                                     "read the password from the first line of standard input "
                                     "(the safer way for scripts)");
        pw->excludes(pwStdin);
        app.add_option("--mac", o.mac, "MAC text to send instead of this machine's");
        app.add_flag("--yes", o.yes, "answer every confirmation Yes (without it: No)");
        app.add_flag("--all", o.all,
                     "lists: every page, one header (not with the command's --page); the page "
                     "label once at the end");
        const std::map<std::string, OutputFormat> formats = {{"tsv", OutputFormat::Tsv},
                                                             {"csv", OutputFormat::Csv},
                                                             {"json", OutputFormat::Json},
                                                             {"xlsx", OutputFormat::Xlsx}};
        app.add_option("--format", o.format,
                       "lists on stdout as tsv (default: the desk's captions and cells), csv "
                       "(the same as CSV for scripts: UTF-8, LF line ends) or json (one array of "
                       "objects with the records' raw values); xlsx: the file of an export "
                       "(--export, --file) as an Excel workbook (\".xlsx\" appended to a name "
                       "without extension), as a file name ending in \".xlsx\" does")
            ->transform(CLI::CheckedTransformer(formats).description(""))
            ->type_name("tsv|csv|json|xlsx");
        app.add_flag("--quiet", o.quiet,
                     "no status rows, page labels or progress on stderr (messages and errors "
                     "still)");
        app.add_option("--timeout", o.timeoutSeconds,
                       "seconds to wait for the next bytes of an answer before the connection "
                       "counts as lost (default 30; exit 3). Before the command for "
                       "\"settle start\", whose own --timeout limits the wait")
            ->check(CLI::Range(1, 86400));

        const std::optional<std::pair<std::string, std::string>> only =
            args != nullptr ? commandWords(app, *args) : std::nullopt;
        commands = allCommands();
        // Only the named command when the line names one that exists;
        // otherwise every command, so that errors and help read the same.
        auto named = [&only](const Command& command) {
            const auto [first, second] = wordsOfName(command.name());
            return first == only->first && (second.empty() || second == only->second);
        };
        const bool narrow =
            only && std::any_of(commands.begin(), commands.end(),
                                [&named](const auto& command) { return named(*command); });
        std::map<std::string, CLI::App*> objects;
        for (auto& command : commands) {
            if (narrow && !named(*command)) continue;
            const auto [first, second] = wordsOfName(command->name());
            CLI::App* parent = &app;
            if (!second.empty()) {
                CLI::App*& object = objects[first];
                if (object == nullptr) {
                    object = app.add_subcommand(first, objectHelp(first));
                    object->require_subcommand(1);
                    object->fallthrough();
                }
                parent = object;
            }
            CLI::App* leaf =
                parent->add_subcommand(second.empty() ? first : second, command->help());
            leaf->fallthrough();
            command->addOptions(*leaf);
            leaves[leaf] = command.get();
            order.push_back(leaf);
        }
        // The objects' one-line helps name their actions.
        for (const auto& [first, object] : objects) {
            std::string actions;
            for (const CLI::App* action : object->get_subcommands({}))
                actions += (actions.empty() ? ": " : ", ") + action->get_name();
            object->description(object->get_description() + actions);
        }
        // Written only when help is asked for.
        app.footer([this] { return Notes + commandsSection(); });
    }

    // One entry per command, in registration order: its words, its help and
    // the synopsis of its options.
    std::string commandsSection() const {
        std::string text = "\nCOMMANDS\n";
        auto entry = [&text](const std::string& words, const std::string& help,
                             const CLI::App& app) {
            text += "  " + words + " -";
            appendWrapped(text, wordsOf(help), 6);
            std::vector<std::string> options = synopsis(app);
            if (!options.empty()) {
                text += "      ";
                appendWrapped(text, options, 6);
            }
        };
        for (const CLI::App* leaf : order) {
            const Command* command = leaves.at(const_cast<CLI::App*>(leaf));
            entry(command->name(), command->help(), *leaf);
            // A command's own actions ("statement batch").
            for (const CLI::App* below : leaf->get_subcommands({}))
                entry(command->name() + " " + below->get_name(), below->get_description(), *below);
        }
        text += "  Run \"korvant-cli OBJECT ACTION --help\" for the options of one command.\n";
        return text;
    }

    // "unknown command: WORDS" and the commands, when the words of the line
    // name no command; false when the line's fault is another.
    bool sayUnknownCommand(const std::vector<std::string>& args, std::ostream& err) const {
        const auto words = commandWords(app, args);
        if (!words) return false;
        const auto [first, second] = *words;
        std::string unknown;
        const CLI::App* object = nullptr;
        for (const CLI::App* sub : app.get_subcommands({}))
            if (sub->get_name() == first) object = sub;
        if (object == nullptr) {
            unknown = first;
        } else if (!object->get_subcommands({}).empty() &&
                   leaves.count(const_cast<CLI::App*>(object)) == 0) {
            if (second.empty() || second[0] == '-') return false;
            bool known = false;
            for (const CLI::App* sub : object->get_subcommands({}))
                known |= sub->get_name() == second;
            if (known) return false;
            unknown = first + " " + second;
        } else {
            return false;
        }
        err << "unknown command: " << unknown << "\ncommands:\n";
        for (const CLI::App* leaf : order) {
            const std::string name = leaves.at(const_cast<CLI::App*>(leaf))->name();
            err << "  " << name << '\n';
            for (const CLI::App* below : leaf->get_subcommands({}))
                err << "  " << name << " " << below->get_name() << '\n';
        }
        err << "Run \"korvant-cli --help\" for more.\n";
        return true;
    }

    // Whether the chosen command was given its --page.
    bool pageChosen() const {
        for (auto& [leaf, command] : leaves) {
            if (!leaf->parsed()) continue;
            const CLI::Option* page = leaf->get_option_no_throw("--page");
            return page != nullptr && page->count() > 0;
        }
        return false;
    }

    Command* chosen() const {
        for (auto& [leaf, command] : leaves)
            if (leaf->parsed()) return command;
        return nullptr;
    }
};

}  // namespace

std::string cliHelp() {
    GlobalOptions options;
    Parser parser(options);
    return parser.app.help();
}

namespace {

// `sub` and every command below it ("statement", "statement batch").
void addCommandReferences(CliReference& reference, const CLI::App& sub, const std::string& words) {
    reference.commands.push_back({words, sub.get_description(), optionReferences(sub)});
    for (const CLI::App* below : sub.get_subcommands({}))
        addCommandReferences(reference, *below, words + " " + below->get_name());
}

CliReference cliReference() {
    GlobalOptions options;
    Parser parser(options);
    CliReference reference;
    reference.program = parser.app.get_name();
    reference.summary = "the administrator desk of Korvant on the command line";
    reference.version = buildVersion();
    reference.globalOptions = optionReferences(parser.app);
    for (const CLI::App* first : parser.app.get_subcommands({})) {
        reference.firstWords.emplace_back(first->get_name(), first->get_description());
        const bool command = parser.leaves.count(const_cast<CLI::App*>(first)) > 0;
        if (command) {
            addCommandReferences(reference, *first, first->get_name());
            continue;
        }
        for (const CLI::App* action : first->get_subcommands({}))
            addCommandReferences(reference, *action, first->get_name() + " " + action->get_name());
    }
    reference.notes = Notes;
    return reference;
}

}  // namespace

std::string manPage() {
    return roffManPage(cliReference());
}

std::string bashCompletion() {
    return bashCompletionScript(cliReference());
}

int runCli(const std::vector<std::string>& args, CliContext& context) {
    if (args.size() == 1 && args[0] == ManPageOption) {
        context.out() << manPage();
        return ExitDone;
    }
    if (args.size() == 1 && args[0] == BashCompletionOption) {
        context.out() << bashCompletion();
        return ExitDone;
    }
    Parser parser(context.options, &args);
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        parser.app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) {
            parser.app.exit(e, context.out(), context.err());
            return ExitDone;
        }
        if (parser.sayUnknownCommand(args, context.err())) return ExitUsage;
        parser.app.exit(e, context.out(), context.err());
        return ExitUsage;
    }
    Command* command = parser.chosen();
    if (command == nullptr) return ExitUsage;
    if (context.options.all && parser.pageChosen()) {
        context.err() << "--all prints every page: leave out --page\n";
        return ExitUsage;
    }
    if (command->logsIn() && !context.takeEnvironment()) return ExitUsage;
    context.port().setAnswerYes(context.options.yes);
    context.port().setShowProgress(context.stderrIsTerminal && !context.options.quiet);
    context.port().setLineBreaks(context.stderrIsTerminal);
    return runCommand(*command, context);
}

}  // namespace korvant::cli
