#include "app/session/Login.h"

#include <string.h>

#include <span>
#include <vector>

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "app/lists/ReportTree.h"
#include "app/session/AdapterMac.h"
#include "app/session/LoginRequest.h"
#include "app/session/Permissions.h"
#include "app/session/ReferenceReload.h"
#include "local/LastLogin.h"
#include "local/ServerList.h"
#include "model/CacheHandlers.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"
#include "text/SecretText.h"

namespace korvant {
namespace {

const Message AddressWrong{"服务器地址不正确。  ", "错误", MessageIcon::Error};
const Message ConnectFailedMessage{"无法连接服务器。  ", "提示", MessageIcon::Error};

std::string joinPath(const std::string& dir, const std::string& name) {
    if (dir.empty() || dir == ".") return name;
    return dir.back() == '/' ? dir + name : dir + "/" + name;
}

bool tooLong(const std::string& utf8) {
    return toGbk(utf8).size() > LoginFieldLimit;
}

// The keyring key of a login at `serverIndex` of the server list; empty
// when the list has no such server.
std::string loginKey(const ServerList& servers, int serverIndex, const std::string& account) {
    const std::string host = servers.address(serverIndex);
    const int port = servers.port(serverIndex);
    if (host.empty() || port <= 0 || account.empty()) return {};
    return keyringKey(host, port, account);
}

}  // namespace

std::string keyringKey(const std::string& host, int port, const std::string& account) {
    return account + "@" + host + ":" + std::to_string(port);
}

LoginForm openLoginForm(const std::string& dir, PasswordKeyring* keyring) {
    LoginForm form;
    LastLogin last = LastLogin::read(joinPath(dir, "ServerInfo.Dat"));
    ServerList servers = ServerList::read(joinPath(dir, "Server.ini"));
    form.serverNames = servers.names();
    int count = static_cast<int>(form.serverNames.size());
    if (count > 0)
        form.serverIndex = last.serverIndex >= 0 && last.serverIndex < count ? last.serverIndex : 0;
    form.account = last.account;
    form.password = last.password;
    form.save = last.saveFlag == 1;
    if (keyring != nullptr && form.save && form.password.empty() && form.serverIndex >= 0) {
        const std::string key = loginKey(servers, form.serverIndex, form.account);
        std::string password;
        if (!key.empty() && keyring->read(key, password) == PasswordKeyring::Outcome::Done)
            form.password = password;
        explicit_bzero(password.data(), password.size());
    }
    return form;
}

bool validateLoginForm(FrontEndPort& port, const LoginForm& form) {
    if (tooLong(form.account) || tooLong(form.password)) {
        port.showMessage({"“请填入不多于15个的字符。”", "提示", MessageIcon::Warning});
        return false;
    }
    int count = static_cast<int>(form.serverNames.size());
    if (form.serverIndex < 0 || form.serverIndex >= count) {
        port.showMessage({"请选择要登录的服务器。  ", "错误", MessageIcon::Warning});
        return false;
    }
    if (form.account.empty()) {
        port.showMessage({"请填写管理员账号。  ", "错误", MessageIcon::Warning});
        return false;
    }
    return true;
}

bool rememberLogin(const std::string& dir, const LoginForm& form, PasswordKeyring* keyring,
                   StatusList* status) {
    const std::string file = joinPath(dir, "ServerInfo.Dat");
    const LastLogin before = LastLogin::read(file);
    LastLogin last;
    last.serverIndex = form.serverIndex;
    last.saveFlag = form.save ? 1 : 0;
    std::string row;
    if (keyring != nullptr) {
        const ServerList servers = ServerList::read(joinPath(dir, "Server.ini"));
        const std::string key = loginKey(servers, form.serverIndex, form.account);
        const std::string oldKey =
            before.saveFlag != 0 ? loginKey(servers, before.serverIndex, before.account) : "";
        // The password remembered for another login is forgotten; with the
        // box off, this login's as well.
        if (!oldKey.empty() && (oldKey != key || !form.save)) keyring->remove(oldKey);
        if (!form.save) {
            if (!key.empty()) keyring->remove(key);
            if (before.saveFlag != 0 && !before.account.empty())
                row = "已从本地文件 ServerInfo.Dat 和桌面密钥环中删除保存的登录";
        } else if (!key.empty() &&
                   keyring->store(key, form.password) == PasswordKeyring::Outcome::Done) {
            row = "密码保存在桌面密钥环中（" + key + "），本地文件 ServerInfo.Dat 不含密码";
            last.account = form.account;
        } else {
            row = "桌面密钥环不可用，密码保存在本地文件 ServerInfo.Dat 中（仅本人可读）";
        }
    }
    if (form.save && last.account.empty()) {
        last.account = form.account;
        last.password = form.password;
    }
    const bool written = last.write(file);
    explicit_bzero(last.password.data(), last.password.size());
    if (status != nullptr && !row.empty()) {
        if (!written) row = "本地文件 ServerInfo.Dat 无法写入";
        status->append(RememberLoginTitle, row, false);
    }
    return written;
}

bool runInitialQueries(Desk& desk, bool showProgress) {
    // A new session: the tree kept from an earlier one is no longer valid.
    markReportTreeStale(desk);
    bool whole = true;
    for (ReferenceList list :
         {ReferenceList::Groups, ReferenceList::MarginTemplates, ReferenceList::FeeTemplates,
          ReferenceList::Varieties, ReferenceList::RiskStrategies}) {
        whole = reloadReferenceList(desk, list, showProgress);
        if (!whole) break;
    }
    if (showProgress) desk.port().hideProgress();
    return whole;
}

LoginResult login(Desk& desk, const LoginOptions& options) {
    FrontEndPort& port = desk.port();
    ServerConnection& connection = desk.connection();

    // 1. The dialog (the connection is closed whenever it is shown).
    connection.close();
    LoginForm form = openLoginForm(desk.dir(), options.keyring);
    // The typed password is cleared when the attempt is over, however it ends.
    WipeOnExit wipe(form.password);
    bool accepted = port.editForm(
        form, [&port](Form& f) { return validateLoginForm(port, static_cast<LoginForm&>(f)); });
    if (!accepted) return LoginResult::Cancelled;
    if (options.rememberLogin) rememberLogin(desk.dir(), form, options.keyring, &desk.statusList());
    return loginWith(desk, form.serverIndex, form.account, form.password, options);
}

LoginResult loginWith(Desk& desk, int serverIndex, const std::string& account,
                      const std::string& password, const LoginOptions& options) {
    FrontEndPort& port = desk.port();
    ServerConnection& connection = desk.connection();

    // 2. The address of the chosen server.
    ServerEndpoint endpoint;
    if (options.endpoint) {
        endpoint = *options.endpoint;
    } else {
        ServerList servers = ServerList::read(desk.filePath("Server.ini"));
        endpoint.host = servers.address(serverIndex);
        endpoint.port = servers.port(serverIndex);
    }
    if (endpoint.host.empty() || endpoint.port <= 0) port.endProgram(AddressWrong);

    // 3.-5. Connect afresh.
    const OperationName name(desk, "登录");
    connection.setConnected(false);
    connection.close();
    if (options.receiveTimeoutMs) connection.setReceiveTimeout(*options.receiveTimeoutMs);
    if (connection.connect(endpoint.host, endpoint.port) != 1) {
        // Stopped while connecting: nothing was sent, the login ends.
        if (connection.abandoned()) return LoginResult::Cancelled;
        port.showMessage(ConnectFailedMessage);
        return LoginResult::ConnectFailed;
    }

    // 6.-7. The login request and its answer.
    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    std::string mac = options.mac ? *options.mac : machineAdapterMac();
    int length =
        writeLoginRequest(account, password, mac, buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0) port.endProgram("  组包出错!! ");
    connection.send(buffer.data(), length);
    // The password is on its way: no copy of it stays in the buffer.
    explicit_bzero(buffer.data(), buffer.size());
    const ExchangeResult received = connection.receive(buffer);
    if (!received) port.endProgram("  与服务器断开了!");

    // 8. Decode, then judge the answer before anything takes it: a refusal
    // shows the server's text (through the command-0 handler) and ends this
    // attempt; only a whole login answer fills the session. Anything else (a
    // stray answer of another command, a login answer of the wrong length,
    // an acceptance without the session's values) would start a desk without
    // rights under a blank name, so it ends the program as an unreadable
    // answer does.
    std::vector<uint8_t> answer;
    if (decodePacket(received.answer(buffer), answer) != DecodeOk)
        port.endProgram(" 解析数据包出错!");
    const int answerLength = static_cast<int>(answer.size());
    if (ResultPacket::isResult(answer.data(), answerLength)) {
        desk.router().route(answer.data(), answerLength);
        if (ResultPacket::parse(answer.data(), answerLength).status != 0) {
            connection.setConnected(false);
            connection.close();
            return LoginResult::Refused;
        }
        port.endProgram(" 解析数据包出错!");
    }
    if (answerLength != LoginAnswerSize || answer[3] != cmd::LoginAnswer)
        port.endProgram(" 解析数据包出错!");
    desk.router().route(answer.data(), answerLength);
    desk.session().account = account;

    // 9. The start-up queries.
    if (!runInitialQueries(desk, options.showProgress)) {
        connection.setConnected(false);
        connection.close();
        return LoginResult::Refused;
    }

    // 10.-14. The enable flags follow the session's permissions (a window
    // reads them on this change) and the first view is switched to.
    desk.notify(DeskChange::Session);
    desk.dispatcher().send(ActionCode::SwitchView, firstView(desk.session().permissionMask));
    return LoginResult::LoggedIn;
}

}  // namespace korvant
