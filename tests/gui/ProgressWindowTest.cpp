// The progress window: titled, opened centred over its owner, showing the
// text of the current step.
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

}  // namespace
}  // namespace korvant::test
