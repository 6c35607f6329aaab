// The remembered password in the desktop's keyring, through QtKeychain
// against a real Secret Service. ctest's desk_keyring runs these under a
// private D-Bus session with GNOME Keyring unlocked (tests/gui/
// KeyringTest.sh); run anywhere else without a Secret Service they say so
// and are skipped.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/session/Login.h"
#include "gui/GuiHarness.h"
#include "gui/shell/DesktopKeyring.h"
#include "local/LastLogin.h"
#include "local/StatusList.h"

namespace korvant::test {
namespace {

const QString Service = QStringLiteral("korvant-desk-test");

// Why no Secret Service answers here; empty when one does.
std::string noSecretService() {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return "no D-Bus session bus (DBUS_SESSION_BUS_ADDRESS is not set); "
               "ctest runs these under dbus-run-session as desk_keyring";
    gui::DesktopKeyring keyring(Service, 15000);
    if (keyring.store("probe", "x") != PasswordKeyring::Outcome::Done)
        return "no Secret Service answers on the session bus: " + keyring.lastError().toStdString();
    keyring.remove("probe");
    return {};
}

TEST(DesktopKeyring, StoresReadsAndForgetsAPassword) {
    guiApplication();
    if (const std::string why = noSecretService(); !why.empty())
        GTEST_SKIP() << "SKIPPED, no keyring to test against: " << why;
    gui::DesktopKeyring keyring(Service);
    const std::string key = keyringKey("127.0.0.1", 9950, "admin");
    EXPECT_EQ(key, "admin@127.0.0.1:9950");
    ASSERT_EQ(keyring.store(key, "密码pw1"), PasswordKeyring::Outcome::Done);
    std::string read;
    ASSERT_EQ(keyring.read(key, read), PasswordKeyring::Outcome::Done);
    EXPECT_EQ(read, "密码pw1");
    ASSERT_EQ(keyring.remove(key), PasswordKeyring::Outcome::Done);
    EXPECT_EQ(keyring.read(key, read), PasswordKeyring::Outcome::NotFound);
}

TEST(DesktopKeyring, TheRememberedLoginKeepsItsPasswordThere) {
    guiApplication();
    if (const std::string why = noSecretService(); !why.empty())
        GTEST_SKIP() << "SKIPPED, no keyring to test against: " << why;
    gui::DesktopKeyring keyring(Service);
    QTemporaryDir dir;
    QFile ini(QDir(dir.path()).filePath(QStringLiteral("Server.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Server]\nName1=demo\nAddr1=127.0.0.1\nPort1=9950\n");
    ini.close();
    const std::string folder = dir.path().toStdString();
    const std::string file =
        QDir(dir.path()).filePath(QStringLiteral("ServerInfo.Dat")).toStdString();

    LoginForm form = openLoginForm(folder, &keyring);
    form.account = "admin";
    form.password = "secret";
    form.save = true;
    StatusList status;
    ASSERT_TRUE(rememberLogin(folder, form, &keyring, &status));
    // The local file keeps everything but the password; the row says where it went.
    const LastLogin saved = LastLogin::read(file);
    EXPECT_EQ(saved.account, "admin");
    EXPECT_EQ(saved.password, "");
    ASSERT_EQ(status.size(), 1u);
    EXPECT_NE(status.rows()[0].detail.find("桌面密钥环"), std::string::npos);
    std::string inKeyring;
    EXPECT_EQ(keyring.read("admin@127.0.0.1:9950", inKeyring), PasswordKeyring::Outcome::Done);
    EXPECT_EQ(inKeyring, "secret");
    // The next login dialog has it again.
    const LoginForm next = openLoginForm(folder, &keyring);
    EXPECT_EQ(next.account, "admin");
    EXPECT_EQ(next.password, "secret");

    // Forgetting the login removes it from both.
    form.save = false;
    ASSERT_TRUE(rememberLogin(folder, form, &keyring, &status));
    EXPECT_EQ(keyring.read("admin@127.0.0.1:9950", inKeyring), PasswordKeyring::Outcome::NotFound);
    EXPECT_EQ(LastLogin::read(file).account, "");
    EXPECT_EQ(openLoginForm(folder, &keyring).password, "");
}

}  // namespace
}  // namespace korvant::test
