// The funds and net-value tabs of the reports view and the report export
// dialog.
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>

#include <gtest/gtest.h>

#include "gui/GuiHarness.h"
#include "gui/reports/FundsTab.h"
#include "gui/reports/NetValueTab.h"
#include "gui/reports/ReportExportDialog.h"
#include "gui/shell/ContentPanel.h"
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
