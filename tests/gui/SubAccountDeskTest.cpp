// The sub-account operations from the desk against the demo simulator: the
// toolbar's New on the sub-account tab opens the dialog through the core,
// and the new account appears in the list.
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include "accounts/mainaccounts/MainAccountOperations.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "app/desk/Desk.h"
#include "gui/GuiHarness.h"
#include "gui/accounts/SubAccountDialog.h"
#include "gui/shell/AccountListView.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/widgets/NodeTreeModel.h"

namespace korvant::test {
namespace {

TEST(SubAccountDesk, ToolbarNewAddsASubAccountThatTheListShows) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    gui::NodeTreeModel* model = t.window->navigation()->groupModel();
    for (int node = 0; node < model->nodeCount(); ++node)
        if (model->node(node).data == 5)
            t.window->navigation()->groupTree()->setCurrentIndex(model->indexOfNode(node));
    gui::ContentPanel* content = t.window->content();
    content->threeTabStrip()->setCurrentIndex(2);
    ASSERT_EQ(t.state().shownList, AccountList::SubAccounts);

    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::SubAccountDialog*>(modal);
        if (dialog == nullptr) return false;
        dialog->findChild<QLineEdit*>(QStringLiteral("account"))->setText("199005");
        dialog->findChild<QLineEdit*>(QStringLiteral("password"))->setText("pw");
        QTimer::singleShot(0, dialog->findChild<QPushButton*>(QStringLiteral("ok")),
                           &QPushButton::click);
        return true;
    });
    ASSERT_TRUE(content->newButton()->isEnabled());
    content->newButton()->click();
    ASSERT_TRUE(waitUntil([&] { return t.driver.pendingHandlers() == 0; }));
    ASSERT_TRUE(waitUntil([&] {
        const auto& rows = t.desk->statusList().rows();
        return !rows.empty() && rows.back().detail == "添加 199005 成功";
    }));
    gui::AccountListView* list = content->list(AccountList::SubAccounts);
    bool shown = false;
    for (int row = 0; row < list->rows(); ++row)
        shown = shown || list->cell(row, 0) == QStringLiteral("199005");
    EXPECT_TRUE(shown);

    // Modify and Delete on the main-account tab only say no.
    content->threeTabStrip()->setCurrentIndex(0);
    content->modifyButton()->click();
    ASSERT_TRUE(waitUntil([&] { return !t.driver.messages.empty(); }));
    EXPECT_EQ(t.driver.messages.back(), "主账号不允许修改");
}

}  // namespace
}  // namespace korvant::test
