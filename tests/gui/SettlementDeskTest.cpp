// The settlement commands of the "操作" menu, the trading parameters and the
// log view, driven through the real window against the demo simulator.
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "gui/GuiHarness.h"
#include "gui/reports/OperationLogView.h"
#include "gui/reports/SettlementPricesDialog.h"
#include "gui/reports/SettlementStatusDialog.h"
#include "gui/reports/TradingParametersDialog.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/MenuBuilder.h"
#include "gui/shell/PagerBar.h"
#include "gui/widgets/ReportPageModel.h"

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
    EXPECT_NE(t.desk->session().settlementDate, 0);

    // "结算价设置": 108 demo contracts, two pages; an edited price is sent.
    QStringList labels;
    QString edited;
    int secondPageRows = -1;
    qsizetype chosenAfterPaging = -1;
    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::SettlementPricesDialog*>(modal);
        if (dialog == nullptr) return false;
        labels << dialog->pageLabel()->text();
        // A click opens the price's edit box; the row chosen on page 1 is
        // not carried to another contract on page 2.
        EXPECT_TRUE(dialog->table()->editTriggers() & QAbstractItemView::CurrentChanged);
        dialog->table()->selectRow(0);
        dialog->nextPage();
        chosenAfterPaging = dialog->table()->selectionModel()->selectedRows().size();
        labels << dialog->pageLabel()->text();
        QAbstractItemModel* prices = dialog->table()->model();
        secondPageRows = prices->rowCount();
        dialog->nextPage();  // the last page: nothing happens
        labels << dialog->pageLabel()->text();
        prices->setData(prices->index(0, 3), QStringLiteral("4321"));
        const auto price = [&] { return prices->index(0, 3).data().toString(); };
        waitUntil([&] { return price() == QStringLiteral("4321.000"); }, 3000);
        edited = price();
        dialog->accept();
        return true;
    });
    t.window->menuAction(QStringLiteral("结算价设置"))->trigger();
    ASSERT_TRUE(waitUntil([&] { return !edited.isEmpty(); }));
    EXPECT_EQ(labels, (QStringList{QStringLiteral("第1/2页"), QStringLiteral("第2/2页"),
                                   QStringLiteral("第2/2页")}));
    EXPECT_EQ(secondPageRows, 9);  // 109 contracts
    EXPECT_EQ(chosenAfterPaging, 0);
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
    QAbstractItemModel* log = view->table()->model();
    ASSERT_GE(log->rowCount(), 3);
    QStringList operations;
    for (int row = 0; row < log->rowCount(); ++row)
        operations << log->index(row, 1).data().toString();
    EXPECT_TRUE(operations.contains(QStringLiteral("开始结算")));
    EXPECT_TRUE(operations.contains(QStringLiteral("修改结算价")));
    EXPECT_TRUE(operations.contains(QStringLiteral("修改交易参数")));
    EXPECT_EQ(t.window->content()->pager()->label(), QStringLiteral("当前第1/1页"));

    // Only "修改持仓" ticked: nothing of the above.
    view->category(8)->setChecked(true);
    view->search();
    EXPECT_EQ(log->rowCount(), 0);
    EXPECT_EQ(t.window->content()->pager()->label(), QStringLiteral("没有记录"));
    // An empty result says so in the list.
    auto* emptyLine = view->table()->viewport()->findChild<QLabel*>(QStringLiteral("emptyState"));
    ASSERT_NE(emptyLine, nullptr);
    EXPECT_FALSE(emptyLine->isHidden());
    // "从" after "到": the reason, not a silent empty list.
    view->fromDate()->setDate(QDate(2099, 12, 31));
    view->toDate()->setDate(QDate(2000, 1, 1));
    view->search();
    EXPECT_NE(
        std::find(t.driver.messages.begin(), t.driver.messages.end(), "起始时间不能晚于结束时间"),
        t.driver.messages.end());
}

// Enter on a question whose Yes destroys something answers 否.
TEST(SettlementDeskTest, DestructiveQuestionsDefaultToNo) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    const std::function<void()> asks[] = {
        [&] { t.window->menuAction(QStringLiteral("清除结算数据"))->trigger(); },
        [&] {
            t.window->callCore([&] { t.desk->dispatcher().send(ActionCode::DeleteFeeTemplate); });
        },
    };
    for (std::size_t i = 0; i < std::size(asks); ++i) {
        QString defaultAnswer;
        t.driver.then([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) return false;
            defaultAnswer = box->defaultButton() != nullptr
                                ? gui::plainCaption(box->defaultButton()->text())
                                : QStringLiteral("none");
            box->done(QMessageBox::No);
            return true;
        });
        asks[i]();
        ASSERT_TRUE(waitUntil([&] { return !defaultAnswer.isEmpty(); })) << i;
        EXPECT_EQ(defaultAnswer, QStringLiteral("否")) << i;
    }
}

}  // namespace
}  // namespace korvant::test
