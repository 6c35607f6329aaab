// The order, trade and position tabs of the reports view and the dialog
// "修改选中的持仓", against the demo simulator.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>

#include <gtest/gtest.h>

#include "gui/GuiHarness.h"
#include "gui/reports/PositionChangeDialog.h"
#include "gui/shell/ContentPanel.h"

namespace korvant::test {
namespace {

QPushButton* buttonOf(QWidget* tab, const QString& caption) {
    for (QPushButton* button : tab->findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

TEST(TradingReportTabsTest, TabsAndTheirButtons) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    gui::ContentPanel* content = t.window->content();
    QTabBar* strip = content->viewStrip(ViewKind::Reports);
    ASSERT_NE(strip, nullptr);
    const struct {
        int index;
        const char* name;
        const char* second;
    } tabs[] = {{3, "trades", "导出"}, {4, "orders", "导出"}, {6, "positions", "修改"}};
    for (const auto& expected : tabs) {
        strip->setCurrentIndex(expected.index);
        QWidget* tab = content->viewPage(ViewKind::Reports);
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->objectName(), QString::fromUtf8(expected.name));
        EXPECT_NE(buttonOf(tab, QStringLiteral("查询")), nullptr);
        EXPECT_NE(buttonOf(tab, QString::fromUtf8(expected.second)), nullptr) << expected.name;
    }
    // Positions: several rows may be chosen; "修改" without one says how.
    QWidget* positions = content->viewPage(ViewKind::Reports);
    EXPECT_EQ(positions->findChild<QTableView*>()->selectionMode(),
              QAbstractItemView::ExtendedSelection);
    buttonOf(positions, QStringLiteral("修改"))->click();
    ASSERT_TRUE(waitUntil([&] { return !t.driver.messages.empty(); }));
    EXPECT_EQ(t.driver.messages.back(), "请先选中要修改的持仓，按住 Ctrl 键可进行多选。");
}

TEST(TradingReportTabsTest, PositionDialogEnablesWhatIsTicked) {
    guiApplication();
    PositionChangeForm form;
    gui::PositionChangeDialog dialog(form);
    auto* volume = dialog.findChild<QSpinBox*>(QStringLiteral("volume"));
    auto* hedge = dialog.findChild<QComboBox*>(QStringLiteral("hedge"));
    ASSERT_TRUE(volume && hedge);
    bool startedDisabled = false;
    const bool accepted = runWith(
        dialog, {[&] {
                     startedDisabled = !volume->isEnabled() && !hedge->isEnabled();
                     dialog.findChild<QCheckBox*>(QStringLiteral("changeHedge"))->setChecked(true);
                     hedge->setCurrentIndex(2);
                 },
                 [&] { dialog.accept(); }});
    EXPECT_TRUE(accepted);
    EXPECT_TRUE(startedDisabled);
    EXPECT_TRUE(hedge->isEnabled());
    EXPECT_FALSE(form.changeVolume);
    EXPECT_TRUE(form.changeHedge);
    EXPECT_EQ(form.hedgeIndex, 2);
}

}  // namespace
}  // namespace korvant::test
