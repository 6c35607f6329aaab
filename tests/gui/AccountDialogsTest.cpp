#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "GuiHarness.h"
#include "accounts/mainaccounts/MainAccountForm.h"
#include "accounts/subaccounts/SubAccountForm.h"
#include "gui/accounts/MainAccountDialog.h"
#include "gui/accounts/SubAccountDialog.h"
#include "gui/compose/Dialogs.h"
#include "gui/shell/DialogRegistry.h"
#include "gui/shell/QtPort.h"

namespace korvant::test {
namespace {

TEST(AccountDialogs, SubAccountDialogStaysOpenUntilTheNumberIsInRange) {
    guiApplication();
    gui::DialogRegistry registry;
    gui::registerDialogs(registry);
    gui::QtPort port(registry);
    ModalDriver driver;
    int shown = 0;
    auto typeAccountAndPressOk = [&](const QString& account) {
        return [&shown, account](QWidget* modal) {
            auto* dialog = qobject_cast<gui::SubAccountDialog*>(modal);
            if (dialog == nullptr) return false;
            ++shown;
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("添加子账号"));
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("account"));
            EXPECT_TRUE(edit->isEnabled());
            edit->setText(account);
            dialog->findChild<QLineEdit*>(QStringLiteral("password"))->setText("pw");
            dialog->findChild<QLineEdit*>(QStringLiteral("mac"))->setText("aa-bb");
            QTimer::singleShot(0, dialog->findChild<QPushButton*>(QStringLiteral("ok")),
                               &QPushButton::click);
            return true;
        };
    };
    driver.then(typeAccountAndPressOk(QStringLiteral("0")));
    driver.then(typeAccountAndPressOk(QStringLiteral("0042")));

    SubAccountForm form;
    form.groups = {{5, "上海一组", "0101"}};
    form.groupIndex = 0;
    form.mainAccounts = {"880101"};
    form.mainAccountIndex = 0;
    const bool accepted = port.editForm(form, [&port](Form& f) {
        return validateSubAccountForm(port, static_cast<SubAccountForm&>(f), 20260102);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(driver.messages,
              std::vector<std::string>{"子账号必须为正整数，取值范围 1 至 2147483647。  "});
    EXPECT_EQ(form.account, "42");
    EXPECT_EQ(form.mac, "AABB");
    EXPECT_EQ(form.openDate, 20260102);
}

TEST(AccountDialogs, SubAccountNumberIsRewrittenAsSoonAsItIsRead) {
    guiApplication();
    gui::DialogRegistry registry;
    gui::registerDialogs(registry);
    gui::QtPort port(registry);
    ModalDriver driver;
    QString shownAfterRefusal;
    // The number is read, then the empty password is refused: the field
    // already shows the plain decimal.
    driver.then([](QWidget* modal) {
        auto* dialog = qobject_cast<gui::SubAccountDialog*>(modal);
        if (dialog == nullptr) return false;
        // The dialog opens on its first editable field.
        auto* account = dialog->findChild<QLineEdit*>(QStringLiteral("account"));
        EXPECT_EQ(dialog->focusWidget(), account);
        account->setText("0042abc");
        QTimer::singleShot(0, dialog->findChild<QPushButton*>(QStringLiteral("ok")),
                           &QPushButton::click);
        return true;
    });
    driver.then([&shownAfterRefusal](QWidget* modal) {
        auto* dialog = qobject_cast<gui::SubAccountDialog*>(modal);
        if (dialog == nullptr) return false;
        shownAfterRefusal = dialog->findChild<QLineEdit*>(QStringLiteral("account"))->text();
        dialog->reject();
        return true;
    });
    SubAccountForm form;
    form.groups = {{5, "上海一组", "0101"}};
    form.groupIndex = 0;
    form.mainAccounts = {"880101"};
    form.mainAccountIndex = 0;
    const bool accepted = port.editForm(form, [&port](Form& f) {
        return validateSubAccountForm(port, static_cast<SubAccountForm&>(f), 20260102);
    });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(driver.messages, std::vector<std::string>{"密码不能为空。  "});
    EXPECT_EQ(shownAfterRefusal, QStringLiteral("42"));
}

TEST(AccountDialogs, AmountsAreShownInWordsWhileTyping) {
    guiApplication();
    MainAccountForm form;
    gui::MainAccountDialog dialog(form);
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("startInvestment"));
    auto* words = dialog.findChild<QLabel*>(QStringLiteral("startInvestmentInWords"));
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(words, nullptr);
    edit->setText(QStringLiteral("123456"));
    EXPECT_EQ(words->text(), QStringLiteral("12.35万元"));
    edit->setText(QStringLiteral("999"));
    EXPECT_EQ(words->text(), QStringLiteral("999元"));
}

}  // namespace
}  // namespace korvant::test
