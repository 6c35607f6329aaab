// The deposit-records tab of the reports view against the demo simulator:
// a change of the start date queries the records of the range.
#include <QDateEdit>
#include <QTabBar>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "gui/GuiHarness.h"
#include "gui/accounts/DepositRecordsTab.h"
#include "gui/shell/ContentPanel.h"

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
    auto* table = tab->findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    EXPECT_GT(table->rowCount(), 0);
    EXPECT_EQ(table->horizontalHeaderItem(5)->text(), QStringLiteral("出金"));
    EXPECT_EQ(table->rowCount(), tab->page().records.count());
}

}  // namespace
}  // namespace korvant::test
