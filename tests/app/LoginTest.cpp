#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "DeskAnswers.h"
#include "app/desk/Desk.h"
#include "app/session/Login.h"
#include "app/session/LoginRequest.h"
#include "local/LastLogin.h"
#include "protocol/Packet.h"
#include "support/FakeServer.h"
#include "support/ScriptedPort.h"
#include "view/DeskView.h"

namespace korvant {
namespace {

using test::Bytes;
using test::FakeServer;
using test::ScratchDir;
using test::ScriptedPort;

std::string field(const Bytes& p, int offset, int width) {
    return std::string(reinterpret_cast<const char*>(p.data() + offset),
                       strnlen(reinterpret_cast<const char*>(p.data() + offset), width));
}

std::vector<int> commands(const std::vector<Bytes>& requests) {
    std::vector<int> out;
    for (const Bytes& r : requests) out.push_back(r[3]);
    return out;
}

// Accepts the dialog as opened, with the given account and password.
void acceptLogin(ScriptedPort& port, const std::string& account, const std::string& password) {
    port.queueForm<LoginForm>([account, password](LoginForm& f) {
        f.account = account;
        f.password = password;
        return true;
    });
}

TEST(LoginRequest, LaysOutAccountPasswordMacAndClientKind) {
    Bytes p(64, 0xEE);
    ASSERT_EQ(writeLoginRequest("admin", "secret", "001A2B3C4D5E", p.data(), 64), 56);
    EXPECT_EQ(p[0], 56);
    EXPECT_EQ(p[1], 0);
    EXPECT_EQ(p[2], 0);
    EXPECT_EQ(p[3], 2);
    EXPECT_EQ(field(p, 4, 16), "admin");
    EXPECT_EQ(field(p, 20, 16), "secret");
    EXPECT_EQ(field(p, 36, 16), "001A2B3C4D5E");
    for (int i = 48; i < 52; ++i) EXPECT_EQ(p[i], 0) << i;
    EXPECT_EQ(getI32(p.data() + 52), 1);
    EXPECT_EQ(p[56], 0xEE);  // nothing past the packet

    // 15 bytes travel with one NUL; a 16th is cut. No adapter: 16 zero bytes.
    ASSERT_EQ(writeLoginRequest("abcdefghijklmno", "0123456789abcdefXYZ", "", p.data(), 56), 56);
    EXPECT_EQ(field(p, 4, 16), "abcdefghijklmno");
    EXPECT_EQ(p[19], 0);
    EXPECT_EQ(field(p, 20, 16), "0123456789abcde");
    EXPECT_TRUE(std::all_of(p.begin() + 36, p.begin() + 52, [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(writeLoginRequest("a", "b", "", p.data(), 55), -1);
}

TEST(LoginDialog, OpensFromTheSavedLoginAndTheServerList) {
    ScratchDir dir;
    // No files: nothing to select, save box on.
    LoginForm empty = openLoginForm(dir.path());
    EXPECT_TRUE(empty.serverNames.empty());
    EXPECT_EQ(empty.serverIndex, -1);
    EXPECT_TRUE(empty.save);

    dir.write("Server.ini", "[Server]\nName1=甲\nAddr1=h1\nPort1=1\nName2=乙\nAddr2=h2\nPort2=2\n");
    LastLogin saved;
    saved.serverIndex = 5;  // beyond the list: the first name
    saved.saveFlag = 1;
    saved.account = "op";
    saved.password = "pw";
    ASSERT_TRUE(saved.write(dir.file("ServerInfo.Dat")));
    LoginForm form = openLoginForm(dir.path());
    EXPECT_EQ(form.serverNames, (std::vector<std::string>{"甲", "乙"}));
    EXPECT_EQ(form.serverIndex, 0);
    EXPECT_EQ(form.account, "op");
    EXPECT_EQ(form.password, "pw");

    saved.serverIndex = 1;
    saved.saveFlag = 0;
    ASSERT_TRUE(saved.write(dir.file("ServerInfo.Dat")));
    form = openLoginForm(dir.path());
    EXPECT_EQ(form.serverIndex, 1);
    EXPECT_EQ(form.account, "");
    EXPECT_EQ(form.password, "");
    EXPECT_FALSE(form.save);

    // A file whose flag is 0 but whose text fields still hold an account
    // and a password (written by another program): the dialog stays empty.
    std::string bytes(44, '\0');
    bytes[8] = 0;
    bytes.replace(12, 2, "op");
    bytes.replace(28, 2, "pw");
    dir.write("ServerInfo.Dat", bytes);
    form = openLoginForm(dir.path());
    EXPECT_EQ(form.account, "");
    EXPECT_EQ(form.password, "");
    EXPECT_FALSE(form.save);
}

TEST(LoginDialog, ChecksLengthServerAndAccountInThatOrder) {
    ScriptedPort port;
    LoginForm form;
    form.serverNames = {"甲"};
    form.serverIndex = 0;
    form.account = "admin";
    EXPECT_TRUE(validateLoginForm(port, form));
    EXPECT_TRUE(port.messages.empty());

    form.password = "密码密码密码密码";  // 16 GBK bytes
    EXPECT_FALSE(validateLoginForm(port, form));
    EXPECT_EQ(port.lastMessage().text, "“请填入不多于15个的字符。”");
    EXPECT_EQ(port.lastMessage().icon, MessageIcon::Warning);

    form.password = "";
    form.serverIndex = -1;
    form.account = "";
    EXPECT_FALSE(validateLoginForm(port, form));
    EXPECT_EQ(port.lastMessage().text, "请选择要登录的服务器。  ");
    EXPECT_EQ(port.lastMessage().caption, "错误");

    form.serverIndex = 0;
    EXPECT_FALSE(validateLoginForm(port, form));
    EXPECT_EQ(port.lastMessage().text, "请填写管理员账号。  ");
    EXPECT_EQ(port.lastMessage().caption, "错误");
    EXPECT_EQ(port.lastMessage().icon, MessageIcon::Warning);
}

TEST(Login, RunsTheStartUpSequenceAndStoresTheFirstView) {
    FakeServer server;
    server.respondByDefault([](const Bytes& r) { return test::startupAnswer(r, 0x2 | 0x100); });
    ScratchDir dir;
    dir.serverIni(server.host(), server.port());
    ScriptedPort port;
    acceptLogin(port, "admin", "admin");
    Desk desk(port, dir.path());
    DeskView view(desk);
    LoginOptions options;
    options.mac = "A1B2C3D4E5F6";
    ASSERT_EQ(login(desk, options), LoginResult::LoggedIn);

    auto requests = server.requests();
    EXPECT_EQ(commands(requests), (std::vector<int>{2, 94, 40, 40, 41, 42, 90}));
    EXPECT_EQ(field(requests[0], 4, 16), "admin");
    EXPECT_EQ(field(requests[0], 36, 16), "A1B2C3D4E5F6");
    EXPECT_EQ(getI32(requests[2].data() + 68), 0);
    EXPECT_EQ(getI32(requests[3].data() + 68), 1);
    EXPECT_EQ(getI32(requests[6].data() + 4), 1);  // the own group of the risk query

    EXPECT_EQ(desk.session().account, "admin");
    EXPECT_EQ(desk.session().adminName, "系统管理员");
    EXPECT_EQ(desk.session().permissionMask, 0x102u);
    EXPECT_EQ(desk.reference().groups.count(), 3);
    EXPECT_EQ(desk.reference().marginTemplates.count(), 2);
    EXPECT_EQ(desk.reference().riskStrategies.count(), 1);
    EXPECT_EQ(view.state().view, ViewKind::Accounts);
    EXPECT_TRUE(view.state().enable.fee);
    EXPECT_FALSE(view.state().enable.margin);

    EXPECT_EQ(port.progress,
              (std::vector<std::string>{"查询组列表", "查询组列表3", "查询保证金模板",
                                        "查询保证金率模板1", "查询保证金率模板2", "查询手续费模板",
                                        "查询手续费率模板1", "查询合约品种", "查询合约品种0",
                                        "查询风控策略", "查询风控策略1"}));
    EXPECT_EQ(port.progressHidden, 1);
    EXPECT_TRUE(port.messages.empty());
    // The accepted dialog was remembered.
    LastLogin saved = LastLogin::read(dir.file("ServerInfo.Dat"));
    EXPECT_EQ(saved.account, "admin");
    EXPECT_EQ(saved.saveFlag, 1);
}

TEST(Login, ARefusedLoginShowsTheServerTextAndQueriesNothing) {
    FakeServer server;
    server.respondByDefault([](const Bytes&) { return FakeServer::resultPacket(1, "密码错误"); });
    ScratchDir dir;
    dir.serverIni(server.host(), server.port());
    ScriptedPort port;
    acceptLogin(port, "admin", "wrong");
    Desk desk(port, dir.path());
    LoginOptions options;
    options.rememberLogin = false;
    EXPECT_EQ(login(desk, options), LoginResult::Refused);
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, "密码错误");
    EXPECT_EQ(port.messages[0].caption, "提示");
    EXPECT_EQ(port.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(desk.connection().connected());
    EXPECT_EQ(commands(server.requests()), std::vector<int>{2});
    EXPECT_TRUE(port.progress.empty());
    // Without remembering, no ServerInfo.Dat appears.
    EXPECT_FALSE(std::filesystem::exists(dir.file("ServerInfo.Dat")));
}

TEST(Login, AnythingButAWholeLoginAnswerEndsTheProgramUnused) {
    // A login answer of the wrong length, a stray answer of another command
    // first, and an acceptance that carries no session: none may start a
    // desk without rights under a blank name.
    const std::vector<Bytes> answers = {
        test::loginAnswer(7, "x", 0xFFFF, 45),
        test::emptyList(cmd::GroupList),
        FakeServer::resultPacket(0, ""),
    };
    for (const Bytes& wrong : answers) {
        FakeServer server;
        server.respondByDefault([wrong](const Bytes& r) {
            if (r[3] == cmd::Login) return wrong;
            return test::startupAnswer(r);
        });
        ScratchDir dir;
        dir.serverIni(server.host(), server.port());
        ScriptedPort port;
        acceptLogin(port, "admin", "admin");
        Desk desk(port, dir.path());
        DeskView view(desk);
        try {
            login(desk);
            ADD_FAILURE() << "expected the program to end, answer command " << int(wrong[3]);
        } catch (const ProgramEnd& end) {
            EXPECT_EQ(end.message().text, " 解析数据包出错!");
        }
        EXPECT_EQ(desk.session().permissionMask, 0u);
        EXPECT_EQ(desk.reference().groups.count(), 0);
        EXPECT_EQ(commands(server.requests()), std::vector<int>{2});
        EXPECT_EQ(view.state().view, ViewKind::None);
    }
}

TEST(Login, CancelAndRefusedChecksSendNothing) {
    ScratchDir dir;
    dir.write("Server.ini", "");  // no servers
    ScriptedPort port;
    acceptLogin(port, "admin", "admin");  // refused: no server selected, no second filler
    Desk desk(port, dir.path());
    EXPECT_EQ(login(desk), LoginResult::Cancelled);
    EXPECT_EQ(port.lastMessage().text, "请选择要登录的服务器。  ");
    EXPECT_FALSE(std::filesystem::exists(dir.file("ServerInfo.Dat")));
}

TEST(Login, AddressAndConnectionFailures) {
    ScratchDir dir;
    // Address present, port missing: the program ends.
    dir.write("Server.ini", "[Server]\nName1=甲\nAddr1=127.0.0.1\n");
    {
        ScriptedPort port;
        acceptLogin(port, "admin", "");
        Desk desk(port, dir.path());
        try {
            login(desk);
            FAIL() << "expected the program to end";
        } catch (const ProgramEnd& end) {
            EXPECT_EQ(end.message().text, "服务器地址不正确。  ");
            EXPECT_EQ(end.message().caption, "错误");
            EXPECT_EQ(end.message().icon, MessageIcon::Error);
        }
    }
    // Nobody listening: back to the dialog.
    int freePort;
    {
        FakeServer gone;
        freePort = gone.port();
    }
    dir.serverIni("127.0.0.1", freePort);
    {
        ScriptedPort port;
        acceptLogin(port, "admin", "");
        Desk desk(port, dir.path());
        EXPECT_EQ(login(desk), LoginResult::ConnectFailed);
        EXPECT_EQ(port.lastMessage().text, "无法连接服务器。  ");
        EXPECT_EQ(port.lastMessage().icon, MessageIcon::Error);
    }
}

TEST(Login, ALostConnectionDuringTheStartUpQueriesEndsTheProgram) {
    FakeServer server;
    server.script(0)
        .awaitRequest()
        .send(test::loginAnswer(1, "a", 0xFFFFF))
        .awaitRequest()
        .send(test::startupAnswer(FakeServer::packet(cmd::GroupList, Bytes(36, 0))))
        .awaitRequest()
        .close();
    ScratchDir dir;
    dir.serverIni(server.host(), server.port());
    ScriptedPort port;
    acceptLogin(port, "admin", "admin");
    Desk desk(port, dir.path());
    try {
        login(desk);
        FAIL() << "expected the program to end";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.message().text, "  与服务器断开了!");
    }
    EXPECT_EQ(port.lastMessage().text, "  与服务器断开了!");
    EXPECT_EQ(desk.reference().groups.count(), 3);
}

}  // namespace
}  // namespace korvant

namespace korvant {
namespace {

// A keyring in memory: answers as a Secret Service does, or not at all.
class MemoryKeyring : public PasswordKeyring {
public:
    bool answers = true;
    std::map<std::string, std::string> entries;
    Outcome store(const std::string& key, const std::string& password) override {
        if (!answers) return Outcome::Unavailable;
        entries[key] = password;
        return Outcome::Done;
    }
    Outcome read(const std::string& key, std::string& password) override {
        if (!answers) return Outcome::Unavailable;
        auto it = entries.find(key);
        if (it == entries.end()) return Outcome::NotFound;
        password = it->second;
        return Outcome::Done;
    }
    Outcome remove(const std::string& key) override {
        if (!answers) return Outcome::Unavailable;
        return entries.erase(key) != 0 ? Outcome::Done : Outcome::NotFound;
    }
};

TEST(RememberedLogin, ThePasswordGoesToTheKeyringWhereOneAnswers) {
    test::ScratchDir dir;
    dir.write("Server.ini", "[Server]\nName1=甲\nAddr1=10.8.1.20\nPort1=9950\n");
    MemoryKeyring keyring;
    StatusList status;
    LoginForm form = openLoginForm(dir.path(), &keyring);
    form.account = "op";
    form.password = "pw";
    form.save = true;
    ASSERT_TRUE(rememberLogin(dir.path(), form, &keyring, &status));
    EXPECT_EQ(keyring.entries, (std::map<std::string, std::string>{{"op@10.8.1.20:9950", "pw"}}));
    // The file keeps everything but the password.
    const LastLogin file = LastLogin::read(dir.file("ServerInfo.Dat"));
    EXPECT_EQ(file.saveFlag, 1);
    EXPECT_EQ(file.account, "op");
    EXPECT_EQ(file.password, "");
    ASSERT_EQ(status.size(), 1u);
    EXPECT_EQ(status.rows()[0].title, RememberLoginTitle);
    EXPECT_NE(status.rows()[0].detail.find("桌面密钥环"), std::string::npos);
    // The dialog opens with the password from the keyring.
    EXPECT_EQ(openLoginForm(dir.path(), &keyring).password, "pw");
    EXPECT_EQ(openLoginForm(dir.path()).password, "");

    // Forgetting the login removes it from both.
    form.save = false;
    ASSERT_TRUE(rememberLogin(dir.path(), form, &keyring, &status));
    EXPECT_TRUE(keyring.entries.empty());
    EXPECT_EQ(LastLogin::read(dir.file("ServerInfo.Dat")).account, "");
    EXPECT_NE(status.rows().back().detail.find("删除"), std::string::npos);
}

TEST(RememberedLogin, WithoutAnAnsweringKeyringTheFileKeepsIt) {
    test::ScratchDir dir;
    dir.write("Server.ini", "[Server]\nName1=甲\nAddr1=10.8.1.20\nPort1=9950\n");
    MemoryKeyring keyring;
    keyring.answers = false;
    StatusList status;
    LoginForm form = openLoginForm(dir.path(), &keyring);
    form.account = "op";
    form.password = "pw";
    ASSERT_TRUE(rememberLogin(dir.path(), form, &keyring, &status));
    EXPECT_EQ(LastLogin::read(dir.file("ServerInfo.Dat")).password, "pw");
    ASSERT_EQ(status.size(), 1u);
    EXPECT_NE(status.rows()[0].detail.find("不可用"), std::string::npos);
    EXPECT_EQ(openLoginForm(dir.path(), &keyring).password, "pw");

    // Another account saved later: the keyring forgets the first one's.
    keyring.answers = true;
    keyring.entries["op@10.8.1.20:9950"] = "old";
    form.account = "op2";
    form.password = "pw2";
    ASSERT_TRUE(rememberLogin(dir.path(), form, &keyring, &status));
    EXPECT_EQ(keyring.entries, (std::map<std::string, std::string>{{"op2@10.8.1.20:9950", "pw2"}}));
}

}  // namespace
}  // namespace korvant
