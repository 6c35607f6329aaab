// Pictures of the desk with the demo data, for the README and the manual.
// Runs only when KORVANT_SCREENSHOT_DIR names the folder to write login.png,
// main-window.png, fee-rates.png, progress.png, subaccount-dialog.png,
// trading-parameters.png, operation-log.png, funds.png, trades.png,
// net-values.png and funds-chart.png into.
#include <QAction>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include "app/desk/Desk.h"
#include "gui/GuiHarness.h"
#include "gui/accounts/SubAccountDialog.h"
#include "gui/reports/FundsChartWindow.h"
#include "gui/reports/FundsTab.h"
#include "gui/reports/OperationLogView.h"
#include "gui/reports/TradingParametersDialog.h"
#include "gui/shell/AccountListView.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/LoginDialog.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/ProgressWindow.h"
#include "gui/widgets/NodeTreeModel.h"
#include "gui/widgets/ReportQueryTab.h"

namespace korvant::test {
namespace {

TEST(Screenshots, LoginDialogAndMainWindow) {
    QString folder = qEnvironmentVariable("KORVANT_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "KORVANT_SCREENSHOT_DIR not set";
    ASSERT_TRUE(QDir().mkpath(folder));
    DeskUnderTest t;
    ASSERT_TRUE(t.sim.ok());
    writeDeskFiles(t.dir.path(), t.sim.port(), "admin", "admin");
    t.window->resize(1280, 800);

    bool saved = false;
    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::LoginDialog*>(modal);
        if (dialog == nullptr) return false;
        saved = dialog->grab().save(QDir(folder).filePath(QStringLiteral("login.png")));
        QTimer::singleShot(0, dialog->loginButton(), &QPushButton::click);
        return true;
    });
    t.window->startLogin();
    ASSERT_TRUE(waitUntil([&] { return t.loggedIn || t.ended; }, 20000));
    ASSERT_TRUE(t.loggedIn);
    EXPECT_TRUE(saved);

    // A second-level group with its sub-accounts.
    gui::NodeTreeModel* groups = t.window->navigation()->groupModel();
    for (int node = 0; node < groups->nodeCount(); ++node)
        if (groups->node(node).data == 5)
            t.window->navigation()->groupTree()->setCurrentIndex(groups->indexOfNode(node));
    t.window->content()->threeTabStrip()->setCurrentIndex(2);
    waitUntil([] { return false; }, 200);
    EXPECT_TRUE(t.window->grab().save(QDir(folder).filePath(QStringLiteral("main-window.png"))));
}

// The fee-rate view with the rates of a template: fee-rates.png.
TEST(Screenshots, FeeRateView) {
    QString folder = qEnvironmentVariable("KORVANT_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "KORVANT_SCREENSHOT_DIR not set";
    ASSERT_TRUE(QDir().mkpath(folder));
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->resize(1280, 800);
    t.window->viewAction(ViewKind::FeeRates)->trigger();
    QTreeView* tree = t.window->navigation()->tree(ViewKind::FeeRates);
    auto* model = static_cast<gui::NodeTreeModel*>(tree->model());
    tree->expandAll();
    for (int node = 0; node < model->nodeCount(); ++node)
        if (model->node(node).data == 1) tree->setCurrentIndex(model->indexOfNode(node));
    waitUntil([] { return false; }, 200);
    EXPECT_TRUE(t.window->grab().save(QDir(folder).filePath(QStringLiteral("fee-rates.png"))));
}

// The progress window of "显示关联的子账号" on the large data set, with its
// counts and stop button: progress.png.
TEST(Screenshots, ProgressWindow) {
    QString folder = qEnvironmentVariable("KORVANT_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "KORVANT_SCREENSHOT_DIR not set";
    ASSERT_TRUE(QDir().mkpath(folder));
    DeskUnderTest t("large");
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    gui::NavigationPanel* navigation = t.window->navigation();
    navigation->groupTree()->setCurrentIndex(navigation->groupModel()->indexOfNode(0));
    t.window->content()->twoTabStrip()->setCurrentIndex(0);
    t.window->content()->list(AccountList::MainAccounts)->selectRow(0);
    gui::ProgressWindow* progress = t.port->progressWindow();
    bool saved = false;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (saved || !progress->isVisible() || !progress->stopButton()->isVisible()) return;
        saved = progress->grab().save(QDir(folder).filePath(QStringLiteral("progress.png")));
        progress->stopButton()->click();
    });
    watch.start();
    t.window->menuAction(QStringLiteral("显示关联的子账号"))->trigger();
    EXPECT_TRUE(saved);
}

// A dialog of each area and the log view: subaccount-dialog.png ("添加" on
// the sub-account tab), trading-parameters.png ("交易参数") and
// operation-log.png (what this desk did, shown by "日志管理").
TEST(Screenshots, DialogsAndLogView) {
    QString folder = qEnvironmentVariable("KORVANT_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "KORVANT_SCREENSHOT_DIR not set";
    ASSERT_TRUE(QDir().mkpath(folder));
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->resize(1280, 800);
    auto grabDialog = [&folder](QWidget* dialog, const char* name) {
        const bool saved = dialog->grab().save(QDir(folder).filePath(QLatin1String(name)));
        QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->reject(); });
        return saved;
    };

    gui::NodeTreeModel* groups = t.window->navigation()->groupModel();
    for (int node = 0; node < groups->nodeCount(); ++node)
        if (groups->node(node).data == 5)
            t.window->navigation()->groupTree()->setCurrentIndex(groups->indexOfNode(node));
    t.window->content()->threeTabStrip()->setCurrentIndex(2);
    bool saved = false;
    t.driver.then([&](QWidget* modal) {
        if (qobject_cast<gui::SubAccountDialog*>(modal) == nullptr) return false;
        // Filled in and saved, so that the log has a line of this desk.
        modal->findChild<QLineEdit*>(QStringLiteral("account"))->setText("199006");
        modal->findChild<QLineEdit*>(QStringLiteral("password"))->setText("pw");
        modal->findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("培训账号"));
        saved = modal->grab().save(QDir(folder).filePath(QStringLiteral("subaccount-dialog.png")));
        QTimer::singleShot(0, modal->findChild<QPushButton*>(QStringLiteral("ok")),
                           &QPushButton::click);
        return true;
    });
    t.window->content()->newButton()->click();
    ASSERT_TRUE(waitUntil([&] { return t.driver.pendingHandlers() == 0; }));
    EXPECT_TRUE(saved);

    saved = false;
    t.driver.then([&](QWidget* modal) {
        if (qobject_cast<gui::TradingParametersDialog*>(modal) == nullptr) return false;
        saved = grabDialog(modal, "trading-parameters.png");
        return true;
    });
    t.window->menuAction(QStringLiteral("交易参数"))->trigger();
    ASSERT_TRUE(waitUntil([&] { return t.driver.pendingHandlers() == 0; }));
    EXPECT_TRUE(saved);

    t.window->viewAction(ViewKind::Logs)->trigger();
    auto* view =
        qobject_cast<gui::OperationLogView*>(t.window->content()->viewPage(ViewKind::Logs));
    ASSERT_NE(view, nullptr);
    view->fromDate()->setDate(QDate(2000, 1, 1));
    view->toDate()->setDate(QDate(2099, 12, 31));
    view->search();
    waitUntil([] { return false; }, 200);
    EXPECT_TRUE(t.window->grab().save(QDir(folder).filePath(QStringLiteral("operation-log.png"))));
}

// The account funds and the trades of a department on the last weekday:
// funds.png and trades.png.
TEST(Screenshots, FundsAndTradesPages) {
    QString folder = qEnvironmentVariable("KORVANT_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "KORVANT_SCREENSHOT_DIR not set";
    ASSERT_TRUE(QDir().mkpath(folder));
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->resize(1280, 800);
    t.window->viewAction(ViewKind::Reports)->trigger();
    gui::NodeTreeModel* tree = t.window->navigation()->reportModel();
    ASSERT_TRUE(waitUntil([&] { return tree->findText(QStringLiteral("华东投资部")).isValid(); }));
    QDate day = QDate::currentDate().addDays(-1);
    while (day.dayOfWeek() > 5) day = day.addDays(-1);
    for (const auto& [tab, name] : {std::pair{1, "funds.png"}, std::pair{3, "trades.png"}}) {
        t.window->content()->viewStrip(ViewKind::Reports)->setCurrentIndex(tab);
        auto* page =
            qobject_cast<gui::ReportQueryTab*>(t.window->content()->viewPage(ViewKind::Reports));
        ASSERT_NE(page, nullptr);
        page->findChild<QDateEdit*>()->setDate(day);
        page->search();
        t.window->navigation()->reportTree()->setCurrentIndex(QModelIndex());
        t.window->navigation()->reportTree()->setCurrentIndex(
            tree->findText(QStringLiteral("华东投资部")));
        waitUntil([] { return false; }, 300);
        EXPECT_GT(page->table()->model()->rowCount(), 0) << name;
        EXPECT_TRUE(t.window->grab().save(QDir(folder).filePath(QLatin1String(name))));
    }
}

// The net values of a department's main account over two months with their
// chart, and the funds chart of a customer: net-values.png, funds-chart.png.
TEST(Screenshots, Charts) {
    QString folder = qEnvironmentVariable("KORVANT_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "KORVANT_SCREENSHOT_DIR not set";
    ASSERT_TRUE(QDir().mkpath(folder));
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->resize(1280, 800);
    t.window->viewAction(ViewKind::Reports)->trigger();
    gui::NodeTreeModel* tree = t.window->navigation()->reportModel();
    ASSERT_TRUE(waitUntil([&] { return tree->findText(QStringLiteral("华东投资部")).isValid(); }));
    gui::ContentPanel* content = t.window->content();
    content->viewStrip(ViewKind::Reports)->setCurrentIndex(5);
    auto* net = qobject_cast<gui::ReportQueryTab*>(content->viewPage(ViewKind::Reports));
    ASSERT_NE(net, nullptr);
    net->findChildren<QDateEdit*>()[0]->setDate(QDate::currentDate().addDays(-60));
    t.window->navigation()->reportTree()->setCurrentIndex(
        tree->findText(QStringLiteral("华东投资部")));
    waitUntil([] { return false; }, 300);
    EXPECT_GT(net->table()->model()->rowCount(), 0);
    // In 256 colours: the pictures stay small.
    const auto save = [&folder](QWidget* widget, const char* name) {
        return widget->grab()
            .toImage()
            .convertToFormat(QImage::Format_Indexed8)
            .save(QDir(folder).filePath(QLatin1String(name)));
    };
    EXPECT_TRUE(save(t.window.get(), "net-values.png"));

    content->viewStrip(ViewKind::Reports)->setCurrentIndex(1);
    auto* funds = qobject_cast<gui::FundsTab*>(content->viewPage(ViewKind::Reports));
    ASSERT_NE(funds, nullptr);
    gui::FundsChartWindow* chart = funds->openChart();
    chart->account()->setText(QStringLiteral("100102"));
    chart->from()->setDate(QDate::currentDate().addDays(-90));
    chart->to()->setDate(QDate::currentDate());
    chart->resize(1000, 560);
    chart->draw();
    waitUntil([] { return false; }, 300);
    EXPECT_TRUE(save(chart, "funds-chart.png"));
}

}  // namespace
}  // namespace korvant::test
