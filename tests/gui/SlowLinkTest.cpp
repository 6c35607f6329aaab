// The desk on a slow link: while it waits for an answer it keeps painting
// and runs its timers, but no other work of the core starts; an answer long
// in coming shows the wait with its counter, and stopping the wait (the
// button, or closing the main window) ends the session as a lost connection
// does, with nothing sent after the stop.
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "gui/GuiHarness.h"
#include "gui/reports/ReportExportDialog.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/MenuBuilder.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/ProgressWindow.h"
#include "gui/widgets/NodeTreeModel.h"
#include "protocol/ServerConnection.h"

namespace korvant::test {
namespace {

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST(SlowLink, TheDeskPaintsWhileItWaitsAndRunsPostedWorkAfterTheAnswer) {
    DeskUnderTest t("demo", {"--latency", "300"});
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    Desk& desk = *t.desk;

    bool ran = false;
    bool ranWhileWaiting = true;
    desk.dispatcher().registerHandler(ActionCode::ReloadVarieties, [&](const ActionMessage&) {
        ran = true;
        ranWhileWaiting = desk.connection().waiting();
    });
    PaintCounter painted(t.window.get());
    int ticks = 0;
    bool posted = false;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        t.window->update();
        if (!posted && desk.connection().waiting()) {
            posted = true;
            desk.dispatcher().post(ActionCode::ReloadVarieties);
        }
    });
    timer.start();
    const int64_t before = desk.connection().packetsSent();
    ASSERT_TRUE(t.window->callCore([&] { desk.dispatcher().send(ActionCode::RefreshGroups); }));
    const int64_t exchanged = desk.connection().packetsSent() - before;
    timer.stop();

    ASSERT_GE(exchanged, 1);
    // About 300 ms per answer, the loop turned every slice of it: the timer
    // went on, the window was painted.
    EXPECT_GE(ticks, 5 * exchanged);
    EXPECT_GE(painted.paints, 1);
    EXPECT_TRUE(posted);
    // The posted action waited for the exchange, and then ran.
    EXPECT_FALSE(ran);
    EXPECT_TRUE(waitUntil([&] { return ran; }, 5000));
    EXPECT_FALSE(ranWhileWaiting);
    EXPECT_FALSE(t.port->progressWindow()->isVisible());
    EXPECT_FALSE(t.ended);
}

// Closes the main window as its close button does, and answers Yes to the
// question whether to stop waiting.
void closeMainWindow(DeskUnderTest& t) {
    t.driver.then([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr || !box->text().contains(QStringLiteral("是否停止等待"))) return false;
        box->button(QMessageBox::Yes)->click();
        return true;
    });
    QTimer::singleShot(0, t.window.get(), [&t] { t.window->close(); });
}

TEST(SlowLink, StoppingAStalledWaitEndsTheSessionAndSendsNothingMore) {
    enum class Stop { Button, Escape, CloseMainWindow };
    for (Stop how : {Stop::Button, Stop::Escape, Stop::CloseMainWindow}) {
        SCOPED_TRACE(static_cast<int>(how));
        // The login is answered, the first list of the start-up is not.
        DeskUnderTest t("demo", {"--stall-after", "1"});
        gui::ProgressWindow* progress = t.port->progressWindow();
        int64_t sentAtStop = -1;
        QString shown;
        QTimer watch;
        watch.setInterval(20);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (sentAtStop >= 0 || !progress->waitShown()) return;
            shown = progress->text();
            // Counted to one second at least.
            if (!shown.contains(QStringLiteral("等待服务器应答… 1 秒"))) return;
            sentAtStop = t.desk->connection().packetsSent();
            if (how == Stop::Button)
                QTest::mouseClick(progress->stopButton(), Qt::LeftButton);
            else if (how == Stop::Escape)
                QTest::keyClick(progress, Qt::Key_Escape);
            else
                closeMainWindow(t);
        });
        watch.start();
        EXPECT_FALSE(t.loginAs("admin", "admin"));
        ASSERT_GE(sentAtStop, 0) << "the wait was never shown";
        EXPECT_TRUE(shown.contains(QStringLiteral("等待服务器应答"))) << shown.toStdString();
        EXPECT_TRUE(t.ended);
        ASSERT_GE(t.driver.messages.size(), 2u);
        EXPECT_NE(t.driver.messages[t.driver.messages.size() - 2].find("已停止等待服务器应答"),
                  std::string::npos);
        EXPECT_EQ(t.driver.messages.back(), "  与服务器断开了!");
        EXPECT_FALSE(t.desk->connection().connected());
        QTest::qWait(100);
        EXPECT_EQ(t.desk->connection().packetsSent(), sentAtStop);
        EXPECT_FALSE(progress->isVisible());
    }
}

// The start-up's lists on a slow link: every answer is short, but the text
// shown for them gets its 停止 after a while, and it ends the program as a
// stopped wait does.
TEST(SlowLink, TheStartUpOnASlowLinkCanBeStopped) {
    DeskUnderTest t("demo", {"--latency", "250"});
    gui::ProgressWindow* progress = t.port->progressWindow();
    int64_t sentAtStop = -1;
    bool waitWasShown = false;
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        waitWasShown = waitWasShown || progress->waitShown();
        if (sentAtStop >= 0 || !progress->isVisible() || !progress->stopButton()->isVisible())
            return;
        sentAtStop = t.desk->connection().packetsSent();
        QTest::mouseClick(progress->stopButton(), Qt::LeftButton);
    });
    watch.start();
    EXPECT_FALSE(t.loginAs("admin", "admin"));
    ASSERT_GE(sentAtStop, 2) << "no 停止 during the start-up";
    EXPECT_FALSE(waitWasShown);
    EXPECT_TRUE(t.ended);
    ASSERT_FALSE(t.driver.messages.empty());
    EXPECT_EQ(t.driver.messages.back(), "  与服务器断开了!");
    QTest::qWait(100);
    EXPECT_EQ(t.desk->connection().packetsSent(), sentAtStop);
    EXPECT_FALSE(progress->isVisible());
}

// 停止 (or Escape) during an export on a slow link: the read stops after
// the page in hand, no file is written and the session goes on. A stop
// while one answer is long in coming (the wait shown) stops the read too;
// only a second stop would give up the wait.
TEST(SlowLink, StoppingAnExportWritesNoFileAndKeepsTheSession) {
    enum class Stop { Button, Escape };
    const struct {
        const char* latency;
        Stop how;
        bool duringShownWait;
    } cases[] = {
        {"300", Stop::Button, false}, {"300", Stop::Escape, false}, {"600", Stop::Button, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.latency) + (c.how == Stop::Button ? " button" : " escape"));
        DeskUnderTest t("demo", {"--latency", c.latency});
        ASSERT_TRUE(t.loginAs("admin", "admin"));
        t.window->viewAction(ViewKind::Reports)->trigger();
        gui::NodeTreeModel* tree = t.window->navigation()->reportModel();
        ASSERT_TRUE(
            waitUntil([&] { return tree->findText(QStringLiteral("华东投资部")).isValid(); }));
        t.window->content()->viewStrip(ViewKind::Reports)->setCurrentIndex(3);
        QWidget* trades = t.window->content()->viewPage(ViewKind::Reports);
        t.window->navigation()->reportTree()->setCurrentIndex(
            tree->findText(QStringLiteral("华东投资部")));

        const QString file = t.dir.filePath(QStringLiteral("trades.csv"));
        t.driver.then([&](QWidget* modal) {
            auto* dialog = qobject_cast<gui::ReportExportDialog*>(modal);
            if (dialog == nullptr) return false;
            dialog->findChild<QDateEdit*>(QStringLiteral("from"))
                ->setDate(QDate::currentDate().addDays(-30));
            dialog->findChild<QLineEdit*>(QStringLiteral("path"))->setText(file);
            dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
            return true;
        });
        gui::ProgressWindow* progress = t.port->progressWindow();
        int64_t sentAtStop = -1;
        t.driver.then([&](QWidget* modal) {
            if (modal != progress ||
                !progress->text().contains(QRegularExpression(QStringLiteral("第 3/\\d+ 页"))) ||
                progress->waitShown() != c.duringShownWait)
                return false;
            sentAtStop = t.desk->connection().packetsSent();
            if (c.how == Stop::Button)
                QTest::mouseClick(progress->stopButton(), Qt::LeftButton);
            else
                QTest::keyClick(progress, Qt::Key_Escape);
            return true;
        });
        for (QPushButton* button : trades->findChildren<QPushButton*>())
            if (gui::plainCaption(button->text()) == QStringLiteral("导出"))
                QTimer::singleShot(0, button, &QPushButton::click);
        ASSERT_TRUE(waitUntil([&] { return !t.driver.messages.empty(); }, 30000));
        EXPECT_EQ(t.driver.messages.back(), "导出已停止，文件未保存。");
        ASSERT_GE(sentAtStop, 0);
        // The page asked for when the stop came in, nothing after it.
        EXPECT_LE(t.desk->connection().packetsSent(), sentAtStop + 1);
        EXPECT_FALSE(QFile::exists(file));
        EXPECT_FALSE(t.ended);
        EXPECT_FALSE(progress->isVisible());
    }
}

}  // namespace
}  // namespace korvant::test
