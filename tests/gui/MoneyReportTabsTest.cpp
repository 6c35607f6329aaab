// The funds and net-value tabs of the reports view and the report export
// dialog.
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTreeView>

#include <gtest/gtest.h>

#include "gui/GuiHarness.h"
#include "gui/reports/FundsChartWindow.h"
#include "gui/reports/FundsTab.h"
#include "gui/reports/NetValueTab.h"
#include "gui/reports/ReportExportDialog.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/widgets/NodeTreeModel.h"
#include "gui/widgets/SeriesChart.h"
#include "support/ScriptedPort.h"

namespace korvant::test {
namespace {

TEST(MoneyReportTabs, TabsOneAndFiveShowTheirFieldsAndColumns) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    gui::ContentPanel* content = t.window->content();
    QTabBar* strip = content->viewStrip(ViewKind::Reports);
    ASSERT_NE(strip, nullptr);
    const struct {
        int index;
        int columns;
        int column;
        const char* caption;
    } tabs[] = {{1, 16, 7, "附加手续费"}, {5, 9, 8, "应提费用"}};
    for (const auto& tab : tabs) {
        strip->setCurrentIndex(tab.index);
        QWidget* page = content->viewPage(ViewKind::Reports);
        ASSERT_NE(page, nullptr);
        auto* table = page->findChild<QTableView*>();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->model()->columnCount(), tab.columns);
        EXPECT_EQ(table->model()->headerData(tab.column, Qt::Horizontal).toString(),
                  QString::fromUtf8(tab.caption));
        EXPECT_EQ(table->columnWidth(0), 100);
    }
    strip->setCurrentIndex(1);
    auto* funds = qobject_cast<gui::FundsTab*>(content->viewPage(ViewKind::Reports));
    ASSERT_NE(funds, nullptr);
    auto* sort = funds->findChild<QComboBox*>(QStringLiteral("sort"));
    auto* order = funds->findChild<QComboBox*>(QStringLiteral("order"));
    ASSERT_TRUE(sort && order);
    EXPECT_EQ(sort->count(), 15);
    EXPECT_EQ(sort->itemText(14), QStringLiteral("总盯市盈亏"));
    EXPECT_EQ(order->count(), 2);
}

TEST(MoneyReportTabs, AGroupChosenFillsTheMainAccountsAndListsTheFirst) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->viewAction(ViewKind::Reports)->trigger();
    gui::NavigationPanel* navigation = t.window->navigation();
    gui::NodeTreeModel* tree = navigation->reportModel();
    ASSERT_TRUE(waitUntil([&] { return tree->findText(QStringLiteral("华东投资部")).isValid(); }));
    gui::ContentPanel* content = t.window->content();
    content->viewStrip(ViewKind::Reports)->setCurrentIndex(5);
    auto* tab = qobject_cast<gui::NetValueTab*>(content->viewPage(ViewKind::Reports));
    ASSERT_NE(tab, nullptr);
    QList<QDateEdit*> dates = tab->findChildren<QDateEdit*>();
    ASSERT_EQ(dates.size(), 2);
    dates[0]->setDate(QDate::currentDate().addDays(-30));
    navigation->reportTree()->setCurrentIndex(tree->findText(QStringLiteral("华东投资部")));
    auto* mainAccount = tab->findChild<QComboBox*>(QStringLiteral("mainAccount"));
    ASSERT_NE(mainAccount, nullptr);
    ASSERT_EQ(mainAccount->count(), 2);
    EXPECT_EQ(mainAccount->itemText(1), QStringLiteral("880102"));
    EXPECT_EQ(mainAccount->currentText(), QStringLiteral("880101"));
    QAbstractItemModel* rows = tab->table()->model();
    EXPECT_GT(rows->rowCount(), 0);
    EXPECT_EQ(rows->index(0, 0).data().toString(), QStringLiteral("880101"));
    EXPECT_TRUE(t.driver.messages.empty());
}

TEST(MoneyReportTabs, TheNetValueChartDrawsTheRowsListed) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->viewAction(ViewKind::Reports)->trigger();
    gui::NavigationPanel* navigation = t.window->navigation();
    gui::NodeTreeModel* tree = navigation->reportModel();
    ASSERT_TRUE(waitUntil([&] { return tree->findText(QStringLiteral("华东投资部")).isValid(); }));
    gui::ContentPanel* content = t.window->content();
    content->viewStrip(ViewKind::Reports)->setCurrentIndex(5);
    auto* tab = qobject_cast<gui::NetValueTab*>(content->viewPage(ViewKind::Reports));
    ASSERT_NE(tab, nullptr);
    tab->findChildren<QDateEdit*>()[0]->setDate(QDate::currentDate().addDays(-40));
    navigation->reportTree()->setCurrentIndex(tree->findText(QStringLiteral("华东投资部")));
    QAbstractItemModel* rows = tab->table()->model();
    ASSERT_GT(rows->rowCount(), 5);
    gui::SeriesChart* chart = tab->chart();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->lineNames(),
              (QStringList{QStringLiteral("880101"), QStringLiteral("880101 权益")}));
    // Every row of the list is a point of the lines, day by day.
    const std::vector<SeriesPoint> shares = chart->pointsOf(QStringLiteral("880101"));
    const std::vector<SeriesPoint> equity = chart->pointsOf(QStringLiteral("880101 权益"));
    ASSERT_EQ(static_cast<int>(equity.size()), rows->rowCount());
    for (int row = 0; row < rows->rowCount(); ++row) {
        const int32_t day = rows->index(row, 1).data().toInt();
        const auto at = std::find_if(shares.begin(), shares.end(),
                                     [day](const SeriesPoint& p) { return p.day == day; });
        ASSERT_NE(at, shares.end()) << day;
        EXPECT_EQ(QString::number(at->value, 'f', 4), rows->index(row, 4).data().toString());
    }
    EXPECT_TRUE(chart->note().isEmpty());
    EXPECT_TRUE(chart->textOfDay(shares.back().day).contains(QStringLiteral("880101 权益")));
    // Saved as PNG and PDF, each a whole file.
    const QString png = t.dir.filePath(QStringLiteral("chart.png"));
    const QString pdf = t.dir.filePath(QStringLiteral("chart.pdf"));
    ASSERT_TRUE(chart->savePng(png));
    ASSERT_TRUE(chart->savePdf(pdf));
    EXPECT_FALSE(QImage(png).isNull());
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
    EXPECT_FALSE(chart->savePng(t.dir.path()));  // a folder is never replaced
    EXPECT_TRUE(t.driver.messages.size() == 1 &&
                t.driver.messages[0].starts_with("文件保存失败："));
}

TEST(MoneyReportTabs, TheFundsChartDrawsTheAccountDayByDay) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->viewAction(ViewKind::Reports)->trigger();
    gui::ContentPanel* content = t.window->content();
    content->viewStrip(ViewKind::Reports)->setCurrentIndex(1);
    auto* funds = qobject_cast<gui::FundsTab*>(content->viewPage(ViewKind::Reports));
    ASSERT_NE(funds, nullptr);
    QDate day = QDate::currentDate().addDays(-1);
    while (day.dayOfWeek() > 5) day = day.addDays(-1);
    funds->findChild<QDateEdit*>()->setDate(day);
    typeText(funds->findChild<QLineEdit*>(QStringLiteral("account")), QStringLiteral("100101"));
    funds->search();
    ASSERT_EQ(funds->table()->model()->rowCount(), 1);
    const QString equityThatDay = funds->table()->model()->index(0, 2).data().toString();

    gui::FundsChartWindow* window = funds->openChart();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->account()->text(), QStringLiteral("100101"));
    EXPECT_EQ(window->to()->date(), day);
    window->draw();
    gui::SeriesChart* chart = window->chart();
    EXPECT_EQ(chart->lineNames(),
              (QStringList{QStringLiteral("权益"), QStringLiteral("可用资金"),
                           QStringLiteral("保证金"), QStringLiteral("风险度")}));
    const std::vector<SeriesPoint> equity = chart->pointsOf(QStringLiteral("权益"));
    ASSERT_GE(equity.size(), 15u);  // the weekdays of 31 days
    EXPECT_EQ(equity.back().day, day.year() * 10000 + day.month() * 100 + day.day());
    EXPECT_EQ(QString::number(equity.back().value, 'f', 2), equityThatDay);
    EXPECT_EQ(chart->pointsOf(QStringLiteral("风险度")).size(), equity.size());
    EXPECT_TRUE(chart->note().isEmpty());
    EXPECT_TRUE(t.driver.messages.empty());
}

TEST(MoneyReportTabs, TheExportDialogBrowsesThroughTheCoreAndChecksTheRange) {
    guiApplication();
    ScriptedPort port;
    ReportExportForm form;
    form.startDate = 20240102;
    form.endDate = 20240101;
    form.browse = [](ReportExportForm& f) {
        f.path = "/tmp/funds.csv";
        return true;
    };
    gui::ReportExportDialog dialog(form);
    dialog.setValidator([&port](Form& f) {
        return validateReportExportForm(port, static_cast<ReportExportForm&>(f));
    });
    auto* path = dialog.findChild<QLineEdit*>(QStringLiteral("path"));
    auto* browse = dialog.findChild<QPushButton*>(QStringLiteral("browse"));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("ok"));
    ASSERT_TRUE(path && browse && ok);
    EXPECT_TRUE(path->isReadOnly());
    bool refused = false;
    runWith(dialog, {[&] {
                browse->click();
                ok->click();  // the range is backwards: refused, still open
                refused = dialog.isVisible();
                dialog.findChild<QDateEdit*>(QStringLiteral("to"))->setDate(QDate(2024, 1, 31));
                ok->click();
            }});
    EXPECT_TRUE(refused);
    EXPECT_EQ(port.messages.front().text, "起始时间不能晚于结束时间");
    EXPECT_EQ(form.path, "/tmp/funds.csv");
    EXPECT_EQ(form.endDate, 20240131);
}

}  // namespace
}  // namespace korvant::test
