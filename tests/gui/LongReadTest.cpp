// Long reads on the large data set: the progress window counts the pages,
// names the current step, keeps the desk repainting and stops after the
// current page when the user asks (the stop button or Escape).
#include <QAction>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>

#include "app/desk/Desk.h"
#include "gui/GuiHarness.h"
#include "gui/shell/AccountListView.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/ProgressWindow.h"
#include "gui/widgets/NodeTreeModel.h"
#include "protocol/ServerConnection.h"

namespace korvant::test {
namespace {

// Watches the progress window from the event loop, i.e. at every turn the
// desk takes during a long read, and records the texts it shows.
class ProgressWatcher {
public:
    using Turn = std::function<void(gui::ProgressWindow*)>;

    ProgressWatcher(gui::ProgressWindow* window, Turn onTurn = {})
        : window_(window), onTurn_(std::move(onTurn)) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (!window_->isVisible()) return;
            ++turns;
            if (texts.isEmpty() || texts.back() != window_->text()) texts << window_->text();
            if (onTurn_) onTurn_(window_);
        });
        timer_.start();
    }

    QStringList texts;
    int turns = 0;

private:
    gui::ProgressWindow* window_;
    Turn onTurn_;
    QTimer timer_;
};

class LongReadTest : public ::testing::Test {
protected:
    LongReadTest() : t("large") {}

    int64_t sent() const { return t.desk->connection().packetsSent(); }

    // Shows the main accounts of the root group with the first one selected.
    void selectFirstMainAccount() {
        gui::NavigationPanel* navigation = t.window->navigation();
        gui::NodeTreeModel* model = navigation->groupModel();
        navigation->groupTree()->setCurrentIndex(model->indexOfNode(0));
        t.window->content()->twoTabStrip()->setCurrentIndex(0);
        gui::AccountListView* list = t.window->content()->list(AccountList::MainAccounts);
        ASSERT_GT(list->rows(), 0);
        list->selectRow(0);
        ASSERT_FALSE(t.state().selectedRows.empty());
    }

    DeskUnderTest t;
};

TEST_F(LongReadTest, TheReportTreeLoadNamesItsOwnStep) {
    ProgressWatcher watcher(t.port->progressWindow());
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    // The start-up lists first, then the tree with the group being read:
    // the text of the lists does not stay while the tree loads.
    ASSERT_FALSE(watcher.texts.isEmpty());
    const QRegularExpression treeStep(
        QStringLiteral("^查询报表树  第 \\d+/\\d+ 组  \\d+ 个子账号"));
    EXPECT_TRUE(watcher.texts.back().contains(treeStep)) << watcher.texts.back().toStdString();
    EXPECT_FALSE(t.port->progressWindow()->isVisible());
}

TEST_F(LongReadTest, LinkedSubAccountsCountPagesAndStopAfterTheCurrentPage) {
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    selectFirstMainAccount();
    QAction* linked = t.window->menuAction(QStringLiteral("显示关联的子账号"));
    ASSERT_NE(linked, nullptr);
    ASSERT_TRUE(linked->isEnabled());

    for (bool escape : {false, true}) {
        int64_t sentAtStop = -1;
        int linkedTurns = 0;
        ProgressWatcher watcher(t.port->progressWindow(), [&](gui::ProgressWindow* window) {
            if (sentAtStop >= 0 || !window->stopButton()->isVisible()) return;
            if (!window->text().startsWith(QStringLiteral("查询关联的子账号"))) return;
            // Stopped at the second turn of the read.
            if (++linkedTurns < 2) return;
            sentAtStop = sent();
            if (escape)
                QTest::keyClick(window->stopButton(), Qt::Key_Escape);
            else
                QTest::mouseClick(window->stopButton(), Qt::LeftButton);
        });
        const int64_t before = sent();
        linked->trigger();
        // The read ended at the stop: not one request after it.
        ASSERT_GE(sentAtStop, 0) << "no stop";
        EXPECT_EQ(sent(), sentAtStop);
        EXPECT_FALSE(t.port->progressWindow()->isVisible());
        // The window counted the pages of the whole list; far fewer were
        // asked for.
        ASSERT_FALSE(watcher.texts.isEmpty());
        const QRegularExpression pageStep(QStringLiteral("^查询关联的子账号  第 (\\d+)/(\\d+) 页"));
        const QRegularExpressionMatch first = pageStep.match(watcher.texts.front());
        ASSERT_TRUE(first.hasMatch()) << watcher.texts.front().toStdString();
        const int announced = first.captured(2).toInt();
        EXPECT_GE(announced, 1000);
        EXPECT_LT(sent() - before, announced);
        // Nothing more is sent once the desk is idle again.
        QTest::qWait(100);
        EXPECT_EQ(sent(), sentAtStop);
    }
}

}  // namespace
}  // namespace korvant::test
