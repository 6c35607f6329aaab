#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/port/FrontEndPort.h"
#include "app/session/PasswordKeyring.h"

// The login and start-up sequence: the login dialog's values and checks,
// connect, the login request, the session, the five start-up queries with
// the progress window, and the first view.
namespace korvant {

class Desk;
class StatusList;

// The "管理员登录" dialog.
struct LoginForm final : Form {
    const char* kind() const override { return "Login"; }
    std::vector<std::string> serverNames;  // the server list, for display
    int serverIndex = -1;                  // selected entry, -1 = none
    std::string account;                   // "账号:"
    std::string password;                  // "密码:"
    bool save = true;                      // "保存账号和密码"
};

inline constexpr int LoginFieldLimit = 15;  // bytes of account and password

// The dialog's opening values from ServerInfo.Dat and Server.ini in `dir`:
// the saved index when it is below the number of names, else the first
// name; no selection when the list is empty; account, password and the
// check box from the saved record. A saved account without a password in
// the file takes its password from `keyring` (when given), under the
// address of the chosen server and the account.
LoginForm openLoginForm(const std::string& dir, PasswordKeyring* keyring = nullptr);

// "登录" pressed: a field over 15 bytes, no server, an empty account are
// refused with their messages. Returns true when the values pass.
bool validateLoginForm(FrontEndPort& port, const LoginForm& form);

// Writes ServerInfo.Dat from the accepted dialog: with the check box on the
// index, account and password; with it off the index and empty texts.
// Returns false when the file could not be written.
//
// With `keyring`, a password to remember goes into the desktop's keyring
// (under the server's address and the account) and the file keeps
// everything but the password; where no keyring answers, the file keeps it
// (mode 0600) as without one. A password remembered before for another
// server or account is removed from the keyring. With the check box off the
// remembered login is forgotten in both, the file and the keyring. When
// `status` is given, one row says where the password went or that the
// login was forgotten (with a keyring only: without one nothing changes).
bool rememberLogin(const std::string& dir, const LoginForm& form,
                   PasswordKeyring* keyring = nullptr, StatusList* status = nullptr);

// The status row title of rememberLogin.
inline constexpr const char* RememberLoginTitle = "保存登录";

struct ServerEndpoint {
    std::string host;
    int port = 0;
};

struct LoginOptions {
    // Server to use instead of the list entry of the selected index.
    std::optional<ServerEndpoint> endpoint;
    // MAC text to send instead of this machine's.
    std::optional<std::string> mac;
    // Whether the accepted dialog rewrites ServerInfo.Dat (the desk does,
    // the command line never does).
    bool rememberLogin = true;
    // The desktop's keyring for the remembered password (the desk's), or
    // none: the file keeps it.
    PasswordKeyring* keyring = nullptr;
    // Called with the text of every start-up step (the progress window).
    bool showProgress = true;
    // How long the connection waits for the next bytes of an answer before
    // it counts as lost (default: the connection's own, 30 s).
    std::optional<int> receiveTimeoutMs;
};

enum class LoginResult {
    LoggedIn,
    Cancelled,      // the dialog was cancelled (or its values refused)
    ConnectFailed,  // "无法连接服务器。  " shown: show the dialog again
    // The server refused the login, or a start-up list could not be read
    // whole (an answer that is not a page of it, more data than any real
    // list holds); the message was shown and the connection closed.
    Refused,
};

// Runs the whole sequence: the dialog, then loginWith its accepted values.
LoginResult login(Desk& desk, const LoginOptions& options = {});

// The sequence after the dialog, with its values: the server entry
// `serverIndex` of Server.ini (options.endpoint instead, when given), the
// account and the password. Failures after the connection (build, lost
// connection, undecodable answer, a failed start-up query) end the program
// with their message (ProgramEnd). On success the session, the caches and
// the first view are set; the front end then starts its keep-alive timer.
LoginResult loginWith(Desk& desk, int serverIndex, const std::string& account,
                      const std::string& password, const LoginOptions& options = {});

// The five start-up queries in order (groups, margin templates, fee
// templates, varieties, risk strategies) with their progress texts. A
// request that cannot be built or a lost connection ends the program; a list
// that cannot be read whole is reported and stops the queries (false).
bool runInitialQueries(Desk& desk, bool showProgress = true);

}  // namespace korvant
