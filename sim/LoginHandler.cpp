#include "Dispatcher.h"
#include "Handlers.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"

// The login: account and password against the administrators, the allowed
// addresses and the multi-login flag. The answer is the 44-byte login
// answer: own group id at 4, name at 8, permission mask at 40.
namespace korvant::sim {
namespace {

bool addressAllowed(const Administrator& admin, uint32_t peer) {
    bool any = false;
    for (uint32_t ip : admin.allowedIps) {
        if (ip == 0) continue;
        any = true;
        if (ip == peer) return true;
    }
    return !any;
}

Answer login(const Request& r, Context& c) {
    std::string account = r.text(4, 16);
    std::string password = r.text(20, 16);
    Administrator* admin = c.state.findAdministrator(account);
    // One text for an unknown account and a wrong password, so that nobody
    // learns which accounts exist; each failure on a connection makes the
    // next answer wait longer.
    if (account.empty() || admin == nullptr || admin->password != password) {
        ++c.connection.failedLogins;
        return refusal(LoginRefusedText);
    }
    if (!addressAllowed(*admin, c.connection.peerAddress)) return refusal("不允许从此地址登录");
    bool sameConnection = c.connection.loggedIn && c.connection.account == account;
    if (admin->multiLogin == 0 && c.logins.isActive(account) && !sameConnection)
        return refusal("该账号已在别处登录");
    if (c.connection.loggedIn) c.logins.remove(c.connection.account);
    c.connection.loggedIn = true;
    c.connection.failedLogins = 0;
    c.connection.account = account;
    c.connection.mac = r.text(36, 16);
    c.logins.add(account);

    Answer out = fixedAnswer(cmd::LoginAnswer, 44);
    putI32(out.data() + 4, admin->groupId);
    writePlainText(out.data() + 8, 32, admin->name);
    putU32(out.data() + 40, admin->permissionMask);
    return out;
}

}  // namespace

void addLoginHandlers(Dispatcher& d) {
    d.add({cmd::Login, 56, false, RefusalStyle::Result, login});
}

}  // namespace korvant::sim
