// The risk view and dialogs of the desk, driven offscreen against the demo
// data; with KORVANT_SCREENSHOT_DIR set the assignment dialog is also saved
// as rule-assignment.png.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "app/actions/ActionDispatcher.h"
#include "gui/GuiHarness.h"
#include "gui/risk/RuleDialogs.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/MenuBuilder.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/widgets/NodeTreeModel.h"
#include "model/ReferenceData.h"
#include "risk/RuleAssignment.h"

namespace korvant::test {
namespace {

std::vector<int> ids(QListWidget* list) {
    std::vector<int> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->item(i)->data(Qt::UserRole).toInt());
    return out;
}

void select(QListWidget* list, const std::vector<int>& wanted) {
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i)
        for (int id : wanted)
            if (list->item(i)->data(Qt::UserRole).toInt() == id) list->item(i)->setSelected(true);
}

TEST(RuleAssignmentDialog, LoadsAndMovesRulesOfAGroup) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    std::string caption;
    std::vector<int> initial, afterLoad, afterMove;
    int listedUnderRiskDegree = -1;
    t.driver.then([&](QWidget* modal) {
        auto* d = qobject_cast<gui::RuleAssignmentDialog*>(modal);
        if (d == nullptr) return false;
        caption = d->windowTitle().toStdString();
        initial = ids(d->loaded());
        select(d->available(), {1, 2});
        d->load();
        afterLoad = ids(d->loaded());
        select(d->loaded(), {initial.front()});
        d->move(false);
        afterMove = ids(d->loaded());
        // "风险度" lists only the warehouse's risk-degree rules.
        d->categories()->setCurrentItem(d->categories()->topLevelItem(0)->child(4));
        listedUnderRiskDegree = d->available()->count();
        d->categories()->setCurrentItem(d->categories()->topLevelItem(0));
        const QString folder = qEnvironmentVariable("KORVANT_SCREENSHOT_DIR");
        if (!folder.isEmpty() && QDir().mkpath(folder))
            d->grab().save(QDir(folder).filePath(QStringLiteral("rule-assignment.png")));
        d->accept();
        return true;
    });
    bool finished = false;
    t.window->callCore([&] {
        finished = openRuleAssignment(*t.desk, {RuleTargetKind::Group, "0101"});
    });
    EXPECT_TRUE(finished);  // command 83 acknowledged
    EXPECT_EQ(caption, "风控设置(组)");
    EXPECT_EQ(initial, (std::vector<int>{4, 11, 12}));
    EXPECT_EQ(afterLoad, (std::vector<int>{4, 11, 12, 1, 2}));
    EXPECT_EQ(afterMove, (std::vector<int>{11, 4, 12, 1, 2}));
    EXPECT_GE(listedUnderRiskDegree, 0);
    EXPECT_EQ(t.driver.abandoned, 0);
}

// The "风险控制设置" view lists the warehouse of the chosen category.
TEST(WarehouseView, ListsTheRulesOfTheChosenCategory) {
    DeskUnderTest t;
    ASSERT_TRUE(QFile::copy(QStringLiteral(KORVANT_BIN_DIR "/riskdetail.ini"),
                            t.dir.filePath(QStringLiteral("riskdetail.ini"))));
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->viewAction(ViewKind::Risk)->trigger();
    auto* table = t.window->findChild<QTableView*>("warehouse");
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->model()->rowCount(), 12);  // the platform's own rules, not the departments'
    // Rule 3 was named: "备注" shows what it does.
    EXPECT_EQ(table->model()->index(2, 1).data().toString().toStdString(), "主账号保证金预警");
    EXPECT_FALSE(table->model()->index(2, 2).data().toString().isEmpty());
    EXPECT_TRUE(table->model()->index(0, 2).data().toString().isEmpty());
    QTreeView* tree = t.window->navigation()->tree(ViewKind::Risk);
    auto* model = static_cast<gui::NodeTreeModel*>(tree->model());
    for (int node = 0; node < model->nodeCount(); ++node)
        if (model->node(node).data == 14) tree->setCurrentIndex(model->indexOfNode(node));
    ASSERT_EQ(table->model()->rowCount(), 1);
    EXPECT_EQ(table->model()->index(0, 0).data().toString(), QStringLiteral("1"));
}

// 修改 and 删除 act on the highlighted rule only (not on a row that merely
// has the focus frame), and deleting asks with 否 as the default answer.
TEST(WarehouseView, ModifyAndDeleteActOnTheHighlightedRuleOnly) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->viewAction(ViewKind::Risk)->trigger();
    auto* table = t.window->findChild<QTableView*>("warehouse");
    ASSERT_NE(table, nullptr);
    QAbstractItemModel* rules = table->model();
    ASSERT_EQ(rules->rowCount(), 12);
    QAction* modify = t.window->content()->toolAction(gui::ToolbarCode::Modify);
    QAction* remove = t.window->content()->toolAction(gui::ToolbarCode::Delete);
    EXPECT_FALSE(modify->isEnabled() || remove->isEnabled());
    table->selectRow(5);
    const QString chosen = rules->index(5, 0).data().toString();
    EXPECT_TRUE(modify->isEnabled() && remove->isEnabled());

    // Enter on the question answers 否; then 是 deletes the highlighted rule.
    QString byDefault;
    for (bool yes : {false, true})
        t.driver.then([&byDefault, yes](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) return false;
            byDefault = gui::plainCaption(box->defaultButton()->text());
            if (yes)
                box->button(QMessageBox::Yes)->click();
            else
                QTest::keyClick(box, Qt::Key_Return);
            return true;
        });
    remove->trigger();
    EXPECT_EQ(byDefault, QStringLiteral("否"));
    EXPECT_EQ(rules->rowCount(), 12);
    remove->trigger();
    ASSERT_EQ(rules->rowCount(), 11);
    for (int row = 0; row < rules->rowCount(); ++row)
        EXPECT_NE(rules->index(row, 0).data().toString(), chosen);

    // Nothing highlighted: the focus frame the view puts on the first row
    // chooses nothing.
    EXPECT_TRUE(table->selectionModel()->selectedRows().isEmpty());
    table->selectionModel()->setCurrentIndex(rules->index(0, 0), QItemSelectionModel::NoUpdate);
    EXPECT_FALSE(modify->isEnabled() || remove->isEnabled());
    t.window->callCore([&] { t.desk->dispatcher().send(ActionCode::ModifyRiskStrategy); });
    ASSERT_FALSE(t.driver.messages.empty());
    EXPECT_EQ(t.driver.messages.back(), "请选择要修改的风控策略");
    EXPECT_EQ(t.driver.abandoned, 0);
}

// The generic dialog shows what the chosen kind needs and rebuilds the kind
// texts while a parameter is typed.
TEST(GenericRuleDialog, ControlsFollowTheChosenKind) {
    guiApplication();
    ReferenceData reference;
    GenericRuleForm form =
        makeGenericRuleForm(reference,
                            RuleCatalogue::parse("[riskdetail]\n1=7|14|Contract风险度大于参数1%\n"
                                                 "2=7|28|风险度在参数1%至参数2%之间\n"),
                            7, nullptr);
    gui::GenericRuleDialog dialog(form, nullptr);
    std::vector<bool> shown;
    std::string kindText;
    runWith(dialog,
            {[&] {
                 shown.push_back(dialog.parameter(1)->isVisibleTo(&dialog));
                 shown.push_back(dialog.findChild<QLineEdit*>("scope")->isVisibleTo(&dialog));
                 dialog.kinds()->setCurrentRow(1);
             },
             [&] {
                 shown.push_back(dialog.parameter(1)->isVisibleTo(&dialog));
                 shown.push_back(dialog.findChild<QLineEdit*>("scope")->isVisibleTo(&dialog));
                 shown.push_back(dialog.findChild<QCheckBox*>("forbidOpen")->isVisibleTo(&dialog));
                 dialog.parameter(1)->setFocus();
                 typeText(dialog.parameter(1), QStringLiteral("90"));
                 kindText = dialog.kinds()->item(1)->text().toStdString();
             }});
    EXPECT_EQ(shown, (std::vector<bool>{false, true, true, false, true}));
    EXPECT_EQ(kindText, "风险度在参数1%至90%之间");
}

}  // namespace
}  // namespace korvant::test
