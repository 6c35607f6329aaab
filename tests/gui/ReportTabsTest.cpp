// The tabs of the reports view against the demo simulator: each tab shows
// its own page, however often and in whatever order the tabs are chosen,
// and every query asks for the node and the dates on screen.
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <set>

#include "gui/GuiHarness.h"
#include "gui/reports/StatementTab.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/widgets/DateFields.h"
#include "gui/widgets/NodeTreeModel.h"
#include "gui/widgets/ReportQueryTab.h"
#include "reports/trading/TradingPages.h"

namespace korvant::test {
namespace {

TEST(ReportTabs, EachTabShowsItsOwnPageInAnyOrder) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->viewAction(ViewKind::Reports)->trigger();
    gui::ContentPanel* content = t.window->content();
    QTabBar* strip = content->viewStrip(ViewKind::Reports);
    ASSERT_NE(strip, nullptr);
    ASSERT_EQ(strip->count(), 7);
    std::vector<QWidget*> pages(7, nullptr);
    const auto choose = [&](int index) {
        strip->setCurrentIndex(index);
        QWidget* page = content->currentPage();
        EXPECT_EQ(content->viewPage(ViewKind::Reports), page) << index;
        EXPECT_TRUE(page->isVisibleTo(content)) << index;
        return page;
    };
    for (int i = 0; i < 7; ++i) pages[static_cast<std::size_t>(i)] = choose(i);
    EXPECT_EQ(std::set<QWidget*>(pages.begin(), pages.end()).size(), 7u);
    // Back and forth, and after leaving the view and coming back.
    for (int i : {0, 1, 0, 3, 4, 3, 6, 0, 6, 3, 5, 2, 1}) {
        EXPECT_EQ(choose(i), pages[static_cast<std::size_t>(i)]) << i;
    }
    t.window->viewAction(ViewKind::Accounts)->trigger();
    t.window->viewAction(ViewKind::Reports)->trigger();
    EXPECT_EQ(content->currentPage(), pages[1]);
    for (int i : {0, 6, 1}) EXPECT_EQ(choose(i), pages[static_cast<std::size_t>(i)]) << i;
}

// The last weekday before today: the demo has trading on weekdays.
QDate lastWeekday() {
    QDate day = QDate::currentDate().addDays(-1);
    while (day.dayOfWeek() > 5) day = day.addDays(-1);
    return day;
}

struct ReportsShown {
    explicit ReportsShown(DeskUnderTest& t) : t(t) {
        t.window->viewAction(ViewKind::Reports)->trigger();
        tree = t.window->navigation()->reportModel();
        EXPECT_TRUE(waitUntil([&] { return tree->findText(QStringLiteral("100102")).isValid(); }));
    }
    QWidget* tab(int index) {
        t.window->content()->viewStrip(ViewKind::Reports)->setCurrentIndex(index);
        return t.window->content()->viewPage(ViewKind::Reports);
    }
    void chooseNode(const QString& text) {
        QTreeView* view = t.window->navigation()->reportTree();
        view->setCurrentIndex(QModelIndex());
        view->setCurrentIndex(tree->findText(text));
    }
    DeskUnderTest& t;
    gui::NodeTreeModel* tree = nullptr;
};

// A day picked in the statement's calendar, then a node chosen: the
// statement of that day and node.
TEST(ReportTabs, ANodeChosenQueriesTheStatementDayOnScreen) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    ReportsShown reports(t);
    auto* statement = qobject_cast<gui::StatementTab*>(reports.tab(0));
    ASSERT_NE(statement, nullptr);
    auto* text = statement->findChild<QPlainTextEdit*>(QStringLiteral("statement"));
    for (const QDate& day : {lastWeekday(), lastWeekday().addDays(-1)}) {
        statement->findChild<QDateEdit*>(QStringLiteral("from"))->setDate(day);
        reports.chooseNode(QStringLiteral("100102"));
        EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("交易日期: ") +
                                                 day.toString(QStringLiteral("yyyyMMdd"))))
            << text->toPlainText().left(300).toStdString();
    }
}

// The trades tab seen for the first time lists the day on screen for the
// node chosen; a day stepped or typed with the keyboard is listed once the
// keys rest, the focus still in the field.
TEST(ReportTabs, TheTradesOfTheDayOnScreen) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    ReportsShown reports(t);
    auto* trades = qobject_cast<gui::ReportQueryTab*>(reports.tab(3));
    ASSERT_NE(trades, nullptr);
    auto* day = trades->findChild<QDateEdit*>(QStringLiteral("day"));
    QAbstractItemModel* rows = trades->table()->model();
    day->setDate(lastWeekday());
    reports.chooseNode(QStringLiteral("华东投资部"));
    EXPECT_GT(rows->rowCount(), 0);
    EXPECT_EQ(tradesPage(*t.desk).day, gui::ymdOfDate(lastWeekday()));

    // A year on: no trades.
    day->setCurrentSection(QDateTimeEdit::YearSection);
    QTest::keyClick(day, Qt::Key_Up);
    EXPECT_TRUE(waitUntil([&] { return rows->rowCount() == 0; }, 5000));
    EXPECT_EQ(tradesPage(*t.desk).day, gui::ymdOfDate(lastWeekday().addYears(1)));
    // The year typed back: queried once the typing rests.
    day->setSelectedSection(QDateTimeEdit::YearSection);
    typeText(day, QString::number(lastWeekday().year()));
    EXPECT_TRUE(waitUntil([&] { return rows->rowCount() > 0; }, 5000));
    EXPECT_EQ(tradesPage(*t.desk).day, gui::ymdOfDate(lastWeekday()));
}

}  // namespace
}  // namespace korvant::test
