// The settlement commands of the "操作" menu, the trading parameters and the
// log view, driven through the real window against the demo simulator.
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include "gui/GuiHarness.h"
#include "gui/reports/OperationLogView.h"
#include "gui/reports/SettlementPricesDialog.h"
#include "gui/reports/SettlementStatusDialog.h"
#include "gui/reports/TradingParametersDialog.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/PagerBar.h"

namespace korvant::test {
namespace {

TEST(SettlementDeskTest, StartWatchPricesParametersAndTheLog) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    for (const char* caption : {"开始结算", "结算价设置", "清除结算数据", "交易参数"})
        EXPECT_TRUE(t.window->menuAction(QString::fromUtf8(caption))->isEnabled()) << caption;

    // "开始结算": the status dialog polls until the settlement is done.
    QStringList texts;
    bool stoppedOnClose = false;
    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::SettlementStatusDialog*>(modal);
        if (dialog == nullptr) return false;
        EXPECT_EQ(dialog->timer()->interval(), 5000);
        texts << dialog->statusLabel()->text();
        dialog->timer()->start(10);
        waitUntil([&] { return !dialog->timer()->isActive(); }, 5000);
        texts << dialog->statusLabel()->text();
        dialog->accept();
        stoppedOnClose = !dialog->timer()->isActive();
        return true;
    });
    t.window->menuAction(QStringLiteral("开始结算"))->trigger();
    ASSERT_TRUE(waitUntil([&] { return texts.size() == 2; }));
    EXPECT_EQ(texts, (QStringList{QStringLiteral("正在结算..."), QStringLiteral("结算完成!")}));
    EXPECT_TRUE(stoppedOnClose);
    EXPECT_NE(t.desk->mainState().settlementDate, 0);

    // "结算价设置": 108 demo contracts, two pages; an edited price is sent.
    QStringList labels;
    QString edited;
    int secondPageRows = -1;
    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::SettlementPricesDialog*>(modal);
        if (dialog == nullptr) return false;
        labels << dialog->pageLabel()->text();
        dialog->nextPage();
        labels << dialog->pageLabel()->text();
        secondPageRows = dialog->table()->rowCount();
        dialog->nextPage();  // the last page: nothing happens
        labels << dialog->pageLabel()->text();
        dialog->table()->item(0, 3)->setText(QStringLiteral("4321"));
        waitUntil([&] { return dialog->table()->item(0, 3)->text() == QStringLiteral("4321.000"); },
                  3000);
        edited = dialog->table()->item(0, 3)->text();
        dialog->accept();
        return true;
    });
    t.window->menuAction(QStringLiteral("结算价设置"))->trigger();
    ASSERT_TRUE(waitUntil([&] { return !edited.isEmpty(); }));
    EXPECT_EQ(labels, (QStringList{QStringLiteral("第1/2页"), QStringLiteral("第2/2页"),
                                   QStringLiteral("第2/2页")}));
    EXPECT_EQ(secondPageRows, 9);  // 109 contracts
    EXPECT_EQ(edited, QStringLiteral("4321.000"));

    // "交易参数": a refused window keeps the dialog open; a sound one saves.
    int rounds = 0;
    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::TradingParametersDialog*>(modal);
        if (dialog == nullptr) return false;
        EXPECT_EQ(dialog->tabs()->count(), 3);
        EXPECT_EQ(dialog->tabs()->tabText(2), QStringLiteral(" 其它参数 "));
        EXPECT_TRUE(dialog->field("fundRate")->isHidden());
        EXPECT_GT(dialog->list(0, 2)->count(), 0);
        QTimer::singleShot(0, dialog, [&rounds, dialog] {
            dialog->field("windowStart")->setText(QStringLiteral("1515"));
            dialog->accept();  // refused: the message box, closed by the driver
            ++rounds;
            dialog->field("windowStart")->setText(QStringLiteral("1600"));
            dialog->accept();
        });
        return true;
    });
    t.window->menuAction(QStringLiteral("交易参数"))->trigger();
    ASSERT_TRUE(waitUntil([&] { return rounds == 1 && t.driver.pendingHandlers() == 0; }));
    ASSERT_TRUE(waitUntil([&] {
        return std::find(t.driver.messages.begin(), t.driver.messages.end(),
                         "可结算时段应在 15:16 至 20:30 之间。  ") != t.driver.messages.end();
    }));

    // "日志管理": what this desk did, one local page.
    t.window->viewAction(ViewKind::Logs)->trigger();
    auto* view =
        qobject_cast<gui::OperationLogView*>(t.window->content()->viewPage(ViewKind::Logs));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(t.window->content()->currentPage(), view);
    view->fromDate()->setDate(QDate(2000, 1, 1));
    view->toDate()->setDate(QDate(2099, 12, 31));
    view->search();
    ASSERT_GE(view->table()->rowCount(), 3);
    QStringList operations;
    for (int row = 0; row < view->table()->rowCount(); ++row)
        operations << view->table()->item(row, 1)->text();
    EXPECT_TRUE(operations.contains(QStringLiteral("开始结算")));
    EXPECT_TRUE(operations.contains(QStringLiteral("修改结算价")));
    EXPECT_TRUE(operations.contains(QStringLiteral("修改交易参数")));
    EXPECT_EQ(t.window->content()->pager()->label(), QStringLiteral("当前第1/1页"));

    // Only "修改持仓" ticked: nothing of the above.
    view->category(8)->setChecked(true);
    view->search();
    EXPECT_EQ(view->table()->rowCount(), 0);
    EXPECT_EQ(t.window->content()->pager()->label(), QStringLiteral("当前第1/0页"));
}

}  // namespace
}  // namespace korvant::test
