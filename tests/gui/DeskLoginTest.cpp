// The login through the dialog against the demo simulator, and the first
// view that the administrator's permissions choose.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include "app/desk/Desk.h"
#include "gui/GuiHarness.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/LoginDialog.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/PagerBar.h"
#include "gui/shell/StatusPanel.h"
#include "gui/widgets/NodeTreeModel.h"
#include "local/LastLogin.h"

namespace korvant::test {
namespace {

TEST(DeskLogin, DialogStaysOpenOnRefusalThenLogsIn) {
    DeskUnderTest t;
    ASSERT_TRUE(t.sim.ok());
    int shown = 0;
    // First press with an empty account: refused, the dialog stays open.
    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::LoginDialog*>(modal);
        if (dialog == nullptr) return false;
        ++shown;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("管理员登录"));
        EXPECT_EQ(dialog->serverList()->count(), 1);
        EXPECT_EQ(dialog->serverList()->item(0)->text(), QStringLiteral("演示服务器"));
        // No last login yet: the box is on, the fields empty.
        EXPECT_TRUE(dialog->saveBox()->isChecked());
        EXPECT_TRUE(dialog->accountEdit()->text().isEmpty());
        QTimer::singleShot(0, dialog->loginButton(), &QPushButton::click);
        return true;
    });
    t.driver.then([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) return false;
        EXPECT_EQ(box->text(), QStringLiteral("请填写管理员账号。  "));
        EXPECT_EQ(box->windowTitle(), QStringLiteral("错误"));
        box->done(QMessageBox::Ok);
        return true;
    });
    // The same dialog again: the fields stop at 15 bytes; then log in.
    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::LoginDialog*>(modal);
        if (dialog == nullptr) return false;
        typeText(dialog->accountEdit(), QStringLiteral("admin0123456789xyz"));
        EXPECT_EQ(dialog->accountEdit()->text(), QStringLiteral("admin0123456789"));
        dialog->accountEdit()->clear();
        typeText(dialog->accountEdit(), QStringLiteral("管理员账号测试号码"));
        EXPECT_EQ(dialog->accountEdit()->text(), QStringLiteral("管理员账号测试"))
            << "two bytes each";
        dialog->accountEdit()->setText(QStringLiteral("admin"));
        dialog->passwordEdit()->setText(QStringLiteral("admin"));
        QTimer::singleShot(0, dialog->loginButton(), &QPushButton::click);
        return true;
    });
    t.window->startLogin();
    ASSERT_TRUE(waitUntil([&] { return t.loggedIn || t.ended; }, 20000));
    ASSERT_TRUE(t.loggedIn);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(t.driver.pendingHandlers(), 0u);
    EXPECT_TRUE(t.driver.messages.empty());
    EXPECT_EQ(t.window->navigation()->account(), QStringLiteral("admin"));
    EXPECT_TRUE(t.window->keepAliveTimer()->isActive());
    EXPECT_EQ(t.window->keepAliveTimer()->interval(), 50000);
    // The accepted dialog saved the login beside the desk.
    LastLogin saved = LastLogin::read(t.desk->filePath("ServerInfo.Dat"));
    EXPECT_EQ(saved.account, "admin");
    EXPECT_EQ(saved.password, "admin");
    EXPECT_EQ(saved.saveFlag, 1);
    // The trees are drawn from the caches.
    EXPECT_EQ(t.window->navigation()->groupModel()->nodeCount(),
              t.desk->reference().groups.count());
    EXPECT_GT(t.window->navigation()->reportModel()->nodeCount(),
              t.desk->reference().groups.count());
}

TEST(DeskLogin, CancelEndsTheProgram) {
    DeskUnderTest t;
    t.driver.then([](QWidget* modal) {
        auto* dialog = qobject_cast<gui::LoginDialog*>(modal);
        if (dialog == nullptr) return false;
        QTimer::singleShot(0, dialog->cancelButton(), &QPushButton::click);
        return true;
    });
    t.window->startLogin();
    ASSERT_TRUE(waitUntil([&] { return t.ended; }));
    EXPECT_FALSE(t.loggedIn);
}

TEST(DeskLogin, FailedConnectShowsTheDialogAgain) {
    DeskUnderTest t;
    // A port nobody listens on.
    t.sim.stop();
    int dialogs = 0;
    auto cancelSecond = [&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::LoginDialog*>(modal);
        if (dialog == nullptr) return false;
        ++dialogs;
        if (dialogs == 1) {
            dialog->accountEdit()->setText(QStringLiteral("admin"));
            QTimer::singleShot(0, dialog->loginButton(), &QPushButton::click);
        } else {
            QTimer::singleShot(0, dialog->cancelButton(), &QPushButton::click);
        }
        return true;
    };
    t.driver.then(cancelSecond);
    t.driver.then(cancelSecond);
    t.window->startLogin();
    ASSERT_TRUE(waitUntil([&] { return t.ended; }, 20000));
    EXPECT_EQ(dialogs, 2);
    ASSERT_EQ(t.driver.messages.size(), 1u);
    EXPECT_EQ(t.driver.messages[0], "无法连接服务器。  ");
}

struct FirstViewCase {
    const char* account;
    const char* password;
    ViewKind view;
    std::vector<ViewKind> buttons;
};

class DeskFirstView : public ::testing::TestWithParam<FirstViewCase> {};

TEST_P(DeskFirstView, FollowsThePermissionMask) {
    const FirstViewCase& c = GetParam();
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs(c.account, c.password));
    gui::NavigationPanel* navigation = t.window->navigation();
    EXPECT_EQ(navigation->view(), c.view);
    for (ViewKind view : gui::NavigationPanel::Views) {
        bool expected = std::find(c.buttons.begin(), c.buttons.end(), view) != c.buttons.end();
        EXPECT_EQ(navigation->button(view)->isVisible(), expected)
            << navigation->button(view)->text().toStdString();
        QTreeView* tree = navigation->tree(view);
        if (tree == nullptr) continue;
        EXPECT_EQ(tree->isVisible(), view == c.view);
    }
    // The risk view shows the text field where the status list is.
    EXPECT_EQ(t.window->statusPanel()->listShown(), c.view != ViewKind::Risk);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, DeskFirstView,
    ::testing::Values(
        // Every bit: the accounts view first, all six buttons.
        FirstViewCase{"admin",
                      "admin",
                      ViewKind::Accounts,
                      {ViewKind::Accounts, ViewKind::FeeRates, ViewKind::MarginRates,
                       ViewKind::Risk, ViewKind::Reports, ViewKind::Logs}},
        // 0x80 | 0x100: fee rates before margin rates.
        FirstViewCase{
            "rates", "rate123", ViewKind::FeeRates, {ViewKind::FeeRates, ViewKind::MarginRates}},
        // Risk, reports, logs and the 0x2000 log bit: risk wins.
        FirstViewCase{
            "risk", "risk123", ViewKind::Risk, {ViewKind::Risk, ViewKind::Reports, ViewKind::Logs}},
        // 0x40 | 0x400: reports.
        FirstViewCase{"finance", "fin123", ViewKind::Reports, {ViewKind::Reports}},
        // 0x400 | 0x2000 without 0x1000: reports first, no log button.
        FirstViewCase{"bj01", "bj123", ViewKind::Reports, {ViewKind::Reports}}),
    [](const auto& info) { return std::string(info.param.account); });

}  // namespace
}  // namespace korvant::test
