// The fee-rate view against the demo simulator: a template chosen in the
// tree lists its rates, and the rate dialog opened from a row is filled
// from that row's cells and sends what is typed.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "gui/GuiHarness.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/PagerBar.h"
#include "gui/templates/RateListView.h"
#include "gui/templates/TemplateDialogs.h"
#include "gui/widgets/NodeTreeModel.h"
#include "gui/widgets/ReportPageModel.h"
#include "templates/RatePage.h"

namespace korvant::test {
namespace {

int rowOf(gui::ReportPageModel* model, const QString& contract) {
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->cell(row, 1) == contract) return row;
    return -1;
}

TEST(RateDialog, FilledFromTheChosenRowAndSentOnOk) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->viewAction(ViewKind::FeeRates)->trigger();
    ASSERT_TRUE(waitUntil([&] { return t.state().view == ViewKind::FeeRates; }));
    QTreeView* tree = t.window->navigation()->tree(ViewKind::FeeRates);
    auto* model = static_cast<gui::NodeTreeModel*>(tree->model());
    for (int node = 0; node < model->nodeCount(); ++node)
        if (model->node(node).data == 1) tree->setCurrentIndex(model->indexOfNode(node));

    auto* list = t.window->content()->findChild<gui::RateListView*>(QStringLiteral("feeRates"));
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(
        waitUntil([&] { return list->isEnabled() && list->tableModel()->rowCount() == 100; }));
    gui::ReportPageModel* rows = list->tableModel();
    const int row = rowOf(rows, QStringLiteral("cu2603"));
    ASSERT_GE(row, 0);
    const QString openRate = rows->cell(row, 2);
    list->selectRow(row);

    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::RateDialog*>(modal);
        if (dialog == nullptr) return false;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("手续费率"));
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("contract"))->text(),
                  QStringLiteral("cu2603"));
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("value0"))->text(), openRate);
        // Typing keeps to plain decimals: a comma or a letter does not go in.
        auto* value1 = dialog->findChild<QLineEdit*>(QStringLiteral("value1"));
        value1->clear();
        QTest::keyClicks(value1, QStringLiteral("7,2x5"));
        EXPECT_EQ(value1->text(), QStringLiteral("725"));
        value1->setText(QStringLiteral("7.25"));
        dialog->findChild<QComboBox*>(QStringLiteral("collection"))->setCurrentIndex(1);
        QTimer::singleShot(0, dialog->findChild<QPushButton*>(QStringLiteral("ok")),
                           &QPushButton::click);
        return true;
    });
    ASSERT_TRUE(t.window->content()->modifyButton()->isEnabled());
    t.window->content()->modifyButton()->click();
    ASSERT_TRUE(waitUntil([&] { return t.driver.pendingHandlers() == 0; }));
    ASSERT_TRUE(waitUntil([&] { return rows->cell(rowOf(rows, "cu2603"), 3) == "7.25"; }));
    const int after = rowOf(rows, QStringLiteral("cu2603"));
    EXPECT_EQ(rows->cell(after, 2), openRate);
    EXPECT_EQ(rows->cell(after, 9), QStringLiteral("绝对"));
}

}  // namespace
}  // namespace korvant::test

namespace korvant::test {
namespace {

// The rate view shows what is true: the contracts of page 0 with the label
// "1/total" before and after a view switch, Modify only with a chosen rate,
// and a double-click on a rate opens its dialog.
TEST(RateView, LabelToolbarAndDoubleClickFollowTheListOnScreen) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    gui::ContentPanel* content = t.window->content();
    auto label = [&] { return content->pager()->label(); };
    const int pages = contractPageCount(t.desk->reference().varieties.count());
    ASSERT_GE(pages, 2);
    const QString firstPage = QStringLiteral("当前第1/%1页").arg(pages);

    t.window->viewAction(ViewKind::FeeRates)->trigger();
    auto* list = content->findChild<gui::RateListView*>(QStringLiteral("feeRates"));
    ASSERT_NE(list, nullptr);
    gui::ReportPageModel* rows = list->tableModel();
    ASSERT_TRUE(waitUntil([&] { return rows->rowCount() == 100; }));
    EXPECT_FALSE(list->isEnabled()) << "no template chosen yet";
    EXPECT_EQ(label(), firstPage);
    const QString firstContract = rows->cell(0, 1);

    QTreeView* tree = t.window->navigation()->tree(ViewKind::FeeRates);
    auto* nodes = static_cast<gui::NodeTreeModel*>(tree->model());
    for (int node = 0; node < nodes->nodeCount(); ++node)
        if (nodes->node(node).data == 1) tree->setCurrentIndex(nodes->indexOfNode(node));
    ASSERT_TRUE(waitUntil([&] { return list->isEnabled(); }));
    EXPECT_FALSE(content->modifyButton()->isEnabled()) << "no rate chosen";

    t.window->callCore([&] { t.desk->dispatcher().send(ActionCode::NextPage); });
    EXPECT_EQ(label(), QStringLiteral("当前第2/%1页").arg(pages));
    EXPECT_NE(rows->cell(0, 1), firstContract);
    t.window->viewAction(ViewKind::MarginRates)->trigger();
    t.window->viewAction(ViewKind::FeeRates)->trigger();
    EXPECT_EQ(label(), firstPage);
    EXPECT_EQ(rows->cell(0, 1), firstContract) << "the label and the list agree";

    list->selectRow(0);
    EXPECT_TRUE(content->modifyButton()->isEnabled());
    bool opened = false;
    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::RateDialog*>(modal);
        if (dialog == nullptr) return false;
        opened = true;
        dialog->reject();
        return true;
    });
    emit list->doubleClicked(rows->index(0, 1));
    EXPECT_TRUE(waitUntil([&] { return opened; }));
}

}  // namespace
}  // namespace korvant::test
