#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliPort.h"
#include "cli/GlobalOptions.h"
#include "cli/PageWriter.h"

namespace korvant {
class Desk;
struct LoginForm;
}  // namespace korvant

// What a command runs with: the parsed global options, the three streams
// (tests pass string streams), the command-line front-end port and, once
// logged in, the desk.
namespace korvant::cli {

class CliContext {
public:
    CliContext(std::ostream& out, std::ostream& err, std::istream& in);
    ~CliContext();
    CliContext(const CliContext&) = delete;
    CliContext& operator=(const CliContext&) = delete;

    GlobalOptions options;

    std::ostream& out() { return *out_; }
    std::ostream& err() { return *err_; }
    std::istream& in() { return *in_; }

    // Terminal facts of the process (main sets them; tests leave them off).
    bool stdinIsTerminal = false;
    bool stderrIsTerminal = false;
    // The program's own folder (main sets it; empty: the current folder).
    std::string programDir;
    // Environment lookup (KORVANT_HOST, KORVANT_PORT, KORVANT_USER,
    // KORVANT_PASSWORD, KORVANT_DIR); tests replace it.
    std::function<std::optional<std::string>(const std::string&)> environment;
    // Reads a password from the terminal without echo, after showing
    // `label` ("密码: ").
    std::function<std::string(const std::string& label)> promptPassword;

    // One password line of standard input: asked for without echo after
    // `label` when standard input is a terminal, otherwise the next line (a
    // trailing CR dropped). Nothing when the input has ended.
    std::optional<std::string> readSecretLine(const std::string& label);
    // A command's --password-stdin: fills `value` from readSecretLine when
    // `fromStdin` is set and the value is not given yet. False (after the
    // refusal "no password on standard input") when the input has ended.
    bool readSecretOption(bool fromStdin, std::optional<std::string>& value,
                          const std::string& label);

    // Takes the server and the account from KORVANT_HOST with KORVANT_PORT
    // and KORVANT_USER where the options do not give them (--host, --port,
    // --server-index, --user win). False after saying why on stderr (a port
    // that is no number from 1 to 65535, a host without a port or a port
    // without a host): a usage error.
    bool takeEnvironment();

    // The writer of the lists on stdout in the format of the options, one
    // for the whole run (made on first use, after the options are parsed).
    PageWriter& pageWriter();
    // A list could not be printed whole (a page of --all failed): the
    // command did not do everything asked for.
    bool listFailed = false;

    CliPort& port() { return port_; }
    // The desk, created on first use in the local folder (cliLocalFolderPlaces). Status-list rows
    // go to stderr as "status<TAB>TIME<TAB>TITLE<TAB>DETAIL".
    Desk& desk();

    // Logs in with the global options and runs the start-up queries.
    // Returns ExitDone, or the exit status of the failure after its message:
    // 1 for a refused check or login, 3 for a failed connection. A failure
    // that ends the desk throws ProgramEnd (exit 3).
    int login();

    // Shows one of the command line's own refusals ("no group 999") as a
    // message box "[提示] TEXT"; returns false (not done).
    bool refuse(const std::string& text);

    // The values of the login dialog from the options, the environment and
    // the saved login of the local folder (used by login()).
    LoginForm loginForm();

private:
    std::ostream* out_;
    std::ostream* err_;
    std::istream* in_;
    CliPort port_;
    std::optional<PageWriter> pageWriter_;
    std::unique_ptr<Desk> desk_;
};

}  // namespace korvant::cli
