// The group dialog keeps itself open while the core's checks refuse its
// values, and the administrator dialog's check-list edits only its twenty
// bits of the mask.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "accounts/administrators/AdministratorForm.h"
#include "accounts/groups/GroupForm.h"
#include "gui/GuiHarness.h"
#include "gui/accounts/AdministratorDialog.h"
#include "gui/accounts/GroupDialog.h"
#include "model/Administrator.h"
#include "model/Group.h"
#include "support/ScriptedPort.h"

namespace korvant::test {
namespace {

TEST(AdminDialogs, GroupDialogStaysOpenWhileRefused) {
    guiApplication();
    ScriptedPort port;
    Group root;
    root.id = 1;
    root.name = "根";
    GroupForm form = makeAddGroupForm({&root, 1}, root);
    gui::GroupDialog dialog(form);
    dialog.setValidator(
        [&port](Form& f) { return validateGroupForm(port, static_cast<GroupForm&>(f)); });
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("ok"));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("name"));
    auto* from = dialog.findChild<QLineEdit*>(QStringLiteral("rangeFrom"));
    auto* to = dialog.findChild<QLineEdit*>(QStringLiteral("rangeTo"));
    ASSERT_TRUE(ok && name && from && to);

    bool openAfterEmptyName = false, openAfterRange = false;
    bool accepted = runWith(dialog, {
                                        [&] { ok->click(); },
                                        [&] { openAfterEmptyName = dialog.isVisible(); },
                                        [&] {
                                            name->setText(QStringLiteral("新组"));
                                            from->setText(QStringLiteral("100"));
                                            to->setText(QStringLiteral("50"));
                                            ok->click();
                                        },
                                        [&] { openAfterRange = dialog.isVisible(); },
                                        [&] {
                                            to->setText(QStringLiteral("100"));
                                            ok->click();
                                        },
                                    });
    EXPECT_TRUE(openAfterEmptyName);
    EXPECT_TRUE(openAfterRange);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(port.messageTexts(),
              (std::vector<std::string>{"组名不能为空", "起始账号不能小于终止账号"}));
    EXPECT_EQ(form.name, "新组");
    EXPECT_EQ(form.rangeFrom, 100);
    EXPECT_EQ(form.rangeTo, 100);
}

TEST(AdminDialogs, PermissionCheckListKeepsTheBitsAboveIt) {
    guiApplication();
    Administrator record;
    record.account = "a1";
    record.password = "pw";
    record.permissionMask = 0x80000001;  // bit 31 is no entry of the list
    AdministratorForm form = makeModifyAdministratorForm(record, {}, 1, {5, "组"});
    gui::AdministratorDialog dialog(form);
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("ok"));
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("permissions"));
    auto* account = dialog.findChild<QLineEdit*>(QStringLiteral("account"));
    ASSERT_TRUE(ok && list && account);
    bool accountEnabled = true;
    bool accepted = runWith(dialog, {[&] {
                                accountEnabled = account->isEnabled();
                                ASSERT_EQ(list->count(), 20);
                                EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
                                list->item(0)->setCheckState(Qt::Unchecked);
                                list->item(6)->setCheckState(Qt::Checked);
                                ok->click();
                            }});
    EXPECT_TRUE(accepted);
    EXPECT_FALSE(accountEnabled);
    EXPECT_EQ(form.permissionMask, 0x80000040u);
    EXPECT_EQ(form.account, "a1");
}

}  // namespace
}  // namespace korvant::test
