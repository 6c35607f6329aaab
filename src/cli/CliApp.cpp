#include "cli/CliApp.h"

#include <CLI/CLI.hpp>

#include <map>
#include <ostream>
#include <sstream>

#include "app/FrontEndPort.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace korvant::cli {
namespace {

const char* const Footer = R"(GLOBAL OPTIONS
  Global options may stand before or after the command; --password must stand
  before it for the list commands, whose own --password is a search keyword.
  --dir DIR            folder with Server.ini, ServerInfo.Dat and riskdetail.ini
                       (default: the current folder)
  --server-index N     log in to entry N (from 0) of Server.ini; an index beyond
                       the list counts as no server selected. Without it, the
                       index saved in ServerInfo.Dat (beyond the list: entry 0)
  --host HOST --port PORT
                       log in to HOST:PORT instead of a Server.ini entry
  --user ACCOUNT       administrator account (default: the saved account)
  --password PW        password (visible to other users in the process list)
  --password-stdin     read the password from the first line of standard input
                       (the safer way for scripts)
  --mac TEXT           MAC text to send instead of this machine's
  --yes                answer every confirmation Yes (without it: No)

PASSWORD
  Taken from, in this order: --password, --password-stdin, the environment
  variable KORVANT_PASSWORD (less safe: other users may see a process's
  environment), the password saved in ServerInfo.Dat when its save flag is 1
  and the account is the saved one, a prompt without echo when standard input
  is a terminal; otherwise it is empty. The account and password may hold at
  most 15 bytes each. korvant-cli never writes ServerInfo.Dat.

OUTPUT
  stdout carries data only, UTF-8: lists as TSV, a header line of the desk's
  column captions, then the cells as the desk shows them.
  stderr carries one line per message box, "[CAPTION] TEXT" with the exact text
  (blanks kept, a newline written as the two characters \n), one line per
  status-list row, "status<TAB>TIME<TAB>TITLE<TAB>DETAIL", and the page label
  of paged lists. Progress texts go to stderr only when it is a terminal.

EXIT STATUS
  0  done
  1  refused or failed (its message printed): a check of the login values, a
     refused login, a refused operation
  2  usage error
  3  the desk would end here, or the connection failed or was lost (its message
     printed first)

COMMANDS
  login                log in, run the start-up queries and print key<TAB>value
                       lines: account, adminName, ownGroupId, permissionMask,
                       firstView, groups, marginTemplates, feeTemplates,
                       varieties, riskStrategies (the last five: record counts)
  group list           print the group tree as TSV: id parentId code name depth
                       (depth-first, children in server order, 0 = top level)
  admin list, mainaccount list, mainaccount links, subaccount list
                       print one page of an account list of a group:
                       --group ID (-1 = all groups, "全部") [--page N]
                       [--account KW] [--password KW] [--date YYYYMMDD]
                       [--remark KW]; the page label "当前第%d/%d页" goes to stderr
  admin add|modify|delete
                       add, modify or delete an administrator of a group: --group
                       ID --account A [--password P] [--name N] [--permissions
                       MASK] [--ip ADDR]... [--clear-ips] [--monitor-from N]
                       [--monitor-to N] [--single-login|--multi-login]; modify
                       keeps what is left out; delete asks (--yes answers)
  password             change the own password: --current P --new P [--confirm P]
  group add|modify     add a group under --parent ID, or modify --group ID:
                       [--name N] [--remark R] [--allowed-subaccounts N]
                       [--range-from N] [--range-to N]
  deposit sub|main|link
                       move funds of a sub-account, a first-level main account or
                       a main-account link: --group ID --account A [--withdraw]
                       [--available X] [--priority X] [--start-investment X]
                       (sub, main) [--remark R] [--count-in-history] (sub); the
                       dialog's info lines go to stderr
  deposits             print one page of the deposit records as TSV: --from
                       YYYYMMDD --to YYYYMMDD [--customer C] [--account-id ID]
                       [--page N]; with --export FILE write every page as the
                       desk's CSV file (GBK, CR LF)
  subaccount add|modify|delete
                       add a sub-account to a second-level group: --group ID
                       --account N --password P [--name N] [--main-account M]
                       [--mac MAC] [--remark R] [--no-fees-on-statement]
                       [--no-single-side-margin]; modify --group ID --account N
                       keeps what is left out ([--new-group ID], the two boxes
                       as 0|1); delete --group ID --account N [--account N]...
                       asks once (--yes answers) and reports each account
  mainaccount add|modify|delete
                       in a first-level group: add --group ID --account A
                       [--initial-funds X] [--trading-password P]
                       [--start-investment X] [--priority-funds X]
                       [--fund-password P] [--management-fee X] [--custody-fee X];
                       modify --group ID --account A [--fund-password P]
                       [--trading-password P] [--management-fee X]
                       [--custody-fee X] [--clear-fees-due] sends nothing when
                       nothing changes; delete asks (--yes answers)
  mainaccount link|unlink
                       link a main account of the parent group to a second-level
                       group, or remove the link (asks): --group ID --account A
  mainaccount subaccounts
                       print the sub-accounts that use a main account as TSV:
                       --group ID --account A
  settle start|status|clear
                       start the settlement and print "date" and "text" lines
                       ([--wait] polls until it ends: exit 0 on "结算完成!", 1 on a
                       failure); print the status once; clear today's result
                       (asks, --yes answers)
  settle prices|price  print one page of the settlement prices as TSV: --date
                       YYYYMMDD [--page N]; set one: --date D --exchange E
                       --contract C --price P
  params show|set      print the trading parameters as key<TAB>value lines;
                       change them: [--half-fee CODE,...] [--no-fee CODE,...]
                       [--position-profit 0-4] [--close-profit 0-2]
                       [--over-trading N] [--auto-settle HHMM]
                       [--window HHMM-HHMM] [--fund-rate X]
  log                  print one page of the operation log as TSV: --from
                       "YYYY-MM-DD HH:MM:SS" --to ... [--admin A] [--keyword K]
                       [--kinds 组,子账号,...] [--page N]
  Run "korvant-cli OBJECT ACTION --help" for the options of one command.
)";

struct Parser {
    CLI::App app{"korvant-cli: the administrator desk of Korvant on the command line",
                 "korvant-cli"};
    std::vector<std::unique_ptr<Command>> commands;
    std::map<CLI::App*, Command*> leaves;

    explicit Parser(GlobalOptions& o) {
        app.footer(Footer);
        app.require_subcommand(1);
        app.add_option("--dir", o.dir, "folder of Server.ini and ServerInfo.Dat");
        app.add_option("--server-index", o.serverIndex, "entry of Server.ini, from 0");
        auto* host = app.add_option("--host", o.host, "server address (with --port)");
        auto* port = app.add_option("--port", o.port, "server port (with --host)")
                         ->check(CLI::Range(1, 65535));
        host->needs(port);
        port->needs(host);
        app.add_option("--user", o.user, "administrator account");
        auto* pw = app.add_option("--password", o.password, "password");
        auto* pwStdin =
            app.add_flag("--password-stdin", o.passwordStdin, "read the password from stdin");
        pw->excludes(pwStdin);
        app.add_option("--mac", o.mac, "MAC text to send");
        app.add_flag("--yes", o.yes, "answer every confirmation Yes");

        commands = allCommands();
        std::map<std::string, CLI::App*> objects;
        for (auto& command : commands) {
            std::istringstream words(command->name());
            std::string first, second;
            words >> first >> second;
            CLI::App* parent = &app;
            if (!second.empty()) {
                CLI::App*& object = objects[first];
                if (object == nullptr) {
                    object = app.add_subcommand(first, "commands on " + first);
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
        }
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

int runCli(const std::vector<std::string>& args, CliContext& context) {
    Parser parser(context.options);
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        parser.app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) {
            parser.app.exit(e, context.out(), context.err());
            return ExitDone;
        }
        parser.app.exit(e, context.out(), context.err());
        return ExitUsage;
    }
    Command* command = parser.chosen();
    if (command == nullptr) return ExitUsage;
    context.port().setAnswerYes(context.options.yes);
    context.port().setShowProgress(context.stderrIsTerminal);
    try {
        return command->execute(context);
    } catch (const ProgramEnd&) {
        return ExitEnded;
    }
}

}  // namespace korvant::cli
