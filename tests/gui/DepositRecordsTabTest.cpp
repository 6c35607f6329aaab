// The deposit-records tab of the reports view against the demo simulator:
// a change of the start date queries the records of the range.
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTreeView>

#include <gtest/gtest.h>

#include "gui/GuiHarness.h"
#include "gui/reports/DepositRecordsTab.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/MenuBuilder.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/widgets/NodeTreeModel.h"

namespace korvant::test {
namespace {

TEST(DepositRecordsTabTest, DateChangeListsTheRecordsOfTheRange) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    gui::ContentPanel* content = t.window->content();
    QTabBar* strip = content->viewStrip(ViewKind::Reports);
    ASSERT_NE(strip, nullptr);
    strip->setCurrentIndex(0);
    strip->setCurrentIndex(2);
    auto* tab = qobject_cast<gui::DepositRecordsTab*>(content->viewPage(ViewKind::Reports));
    ASSERT_NE(tab, nullptr);
    QList<QDateEdit*> dates = tab->findChildren<QDateEdit*>();
    ASSERT_EQ(dates.size(), 2);
    dates[1]->setDate(QDate(2099, 12, 31));
    dates[0]->setDate(QDate(2000, 1, 1));
    emit dates[0]->editingFinished();  // the user is done with the date
    auto* table = tab->findChild<QTableView*>();
    ASSERT_NE(table, nullptr);
    QAbstractItemModel* rows = table->model();
    EXPECT_GT(rows->rowCount(), 0);
    EXPECT_EQ(rows->headerData(5, Qt::Horizontal).toString(), QStringLiteral("出金"));
    EXPECT_EQ(rows->rowCount(), tab->page().records.count());
}

TEST(DepositRecordsTabTest, ReportTreeAndTypedNumberDriveEachOther) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->viewAction(ViewKind::Reports)->trigger();
    gui::NavigationPanel* navigation = t.window->navigation();
    gui::NodeTreeModel* tree = navigation->reportModel();
    ASSERT_TRUE(waitUntil([&] { return tree->findText(QStringLiteral("100101")).isValid(); }));
    gui::ContentPanel* content = t.window->content();
    QTabBar* strip = content->viewStrip(ViewKind::Reports);
    ASSERT_NE(strip, nullptr);
    strip->setCurrentIndex(2);
    auto* tab = qobject_cast<gui::DepositRecordsTab*>(content->viewPage(ViewKind::Reports));
    ASSERT_NE(tab, nullptr);
    QList<QDateEdit*> dates = tab->findChildren<QDateEdit*>();
    ASSERT_EQ(dates.size(), 2);
    dates[1]->setDate(QDate(2099, 12, 31));
    dates[0]->setDate(QDate(2000, 1, 1));

    // A typed customer number selects its node and stays the target.
    auto* customer = tab->findChild<QLineEdit*>();
    ASSERT_NE(customer, nullptr);
    typeText(customer, QStringLiteral("100101"));
    QPushButton* search = nullptr;
    for (QPushButton* button : tab->findChildren<QPushButton*>())
        if (gui::plainCaption(button->text()) == QStringLiteral("查询")) search = button;
    ASSERT_NE(search, nullptr);
    search->click();
    EXPECT_EQ(navigation->reportTree()->currentIndex().data().toString(), QStringLiteral("100101"));
    EXPECT_EQ(tab->page().target.id, -1);
    EXPECT_EQ(tab->page().target.text, "100101");
    EXPECT_EQ(tab->page().account, "100101");

    // A group node chosen in the tree takes over: the field is emptied and
    // the node's id is the target of this and the next query.
    const QModelIndex group = tree->findText(QStringLiteral("华东投资部"));
    ASSERT_TRUE(group.isValid());
    navigation->reportTree()->setCurrentIndex(group);
    EXPECT_EQ(customer->text(), QString());
    EXPECT_EQ(tab->page().account, "");
    EXPECT_EQ(tab->page().target.id, 2);
    EXPECT_EQ(tab->page().target.text, "华东投资部");
    search->click();
    EXPECT_EQ(tab->page().target.id, 2);
    EXPECT_TRUE(t.driver.messages.empty());
}

}  // namespace
}  // namespace korvant::test
