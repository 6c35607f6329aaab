// The progress window: titled, opened centred over its owner, showing the
// text of the current step.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/GuiHarness.h"
#include "gui/shell/ProgressWindow.h"

namespace korvant::test {
namespace {

TEST(ProgressWindowTest, OpensTitledAndCentredOverItsOwner) {
    guiApplication();
    QWidget owner;
    owner.setGeometry(100, 80, 900, 700);
    owner.show();
    gui::ProgressWindow progress;
    progress.setOwner(&owner);
    progress.setText(QStringLiteral("查询风控策略"));
    EXPECT_TRUE(progress.isVisible());
    EXPECT_FALSE(progress.windowTitle().isEmpty());
    const QPoint centre = progress.geometry().center();
    const QPoint ownerCentre = owner.frameGeometry().center();
    EXPECT_LE((centre - ownerCentre).manhattanLength(), 4);
    // A later step replaces the text while the window stays open.
    progress.setText(QStringLiteral("读取子账号"));
    EXPECT_EQ(progress.text(), QStringLiteral("读取子账号"));
    progress.hide();
}

// A read the user may stop: the window is modal with its stop button, the
// user's stop (Escape or the button) makes the next step say so, and a new
// read after the window was hidden starts afresh.
TEST(ProgressWindowTest, StepsTakeTheUsersStop) {
    guiApplication();
    QWidget owner;
    owner.resize(600, 400);
    owner.show();
    gui::ProgressWindow progress;
    progress.setOwner(&owner);
    progress.setText(QStringLiteral("查询组列表"));
    EXPECT_FALSE(progress.stopButton()->isVisible());
    EXPECT_EQ(progress.windowModality(), Qt::NonModal);

    EXPECT_TRUE(progress.step(QStringLiteral("查询子账号  第 1/9 页")));
    EXPECT_TRUE(progress.isVisible());
    EXPECT_TRUE(progress.stopButton()->isVisible());
    EXPECT_EQ(progress.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(QApplication::activeModalWidget(), &progress);
    // Within one turn's time only the text changes.
    EXPECT_TRUE(progress.step(QStringLiteral("查询子账号  第 2/9 页")));
    EXPECT_EQ(progress.text(), QStringLiteral("查询子账号  第 2/9 页"));

    QTest::keyClick(progress.stopButton(), Qt::Key_Escape);
    EXPECT_TRUE(progress.stopRequested());
    EXPECT_FALSE(progress.step(QStringLiteral("查询子账号  第 3/9 页")));
    progress.hide();

    EXPECT_TRUE(progress.step(QStringLiteral("查询子账号  第 1/9 页")));
    QTest::mouseClick(progress.stopButton(), Qt::LeftButton);
    EXPECT_FALSE(progress.step(QStringLiteral("查询子账号  第 2/9 页")));
    progress.hide();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace korvant::test
