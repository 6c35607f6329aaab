// The order, trade and position tabs of the reports view and the dialog
// "修改选中的持仓", against the demo simulator.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QTreeView>

#include <gtest/gtest.h>

#include "gui/GuiHarness.h"
#include "gui/shell/MenuBuilder.h"
#include "gui/reports/PositionChangeDialog.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/widgets/NodeTreeModel.h"

namespace korvant::test {
namespace {

QPushButton* buttonOf(QWidget* tab, const QString& caption) {
    for (QPushButton* button : tab->findChildren<QPushButton*>())
        if (gui::plainCaption(button->text()) == caption) return button;
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

// "修改" starts from the volume and type of the first chosen position:
// ticking the volume and pressing 确定 leaves the position as it was.
TEST(TradingReportTabsTest, PositionDialogStartsFromTheChosenRow) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->viewAction(ViewKind::Reports)->trigger();
    gui::NodeTreeModel* tree = t.window->navigation()->reportModel();
    ASSERT_TRUE(waitUntil([&] { return tree->findText(QStringLiteral("华东投资部")).isValid(); }));
    t.window->content()->viewStrip(ViewKind::Reports)->setCurrentIndex(6);
    QWidget* positions = t.window->content()->viewPage(ViewKind::Reports);
    QDate day = QDate::currentDate().addDays(-1);
    while (day.dayOfWeek() > 5) day = day.addDays(-1);
    positions->findChild<QDateEdit*>(QStringLiteral("day"))->setDate(day);
    t.window->navigation()->reportTree()->setCurrentIndex(
        tree->findText(QStringLiteral("华东投资部")));
    auto* table = positions->findChild<QTableView*>();
    ASSERT_GT(table->model()->rowCount(), 1);
    const auto cell = [&](int column) {
        return table->model()->index(1, column).data().toString();
    };
    const QString volume = cell(8);
    const QString hedge = cell(5);
    table->selectRow(1);
    QString shownVolume, shownHedge;
    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::PositionChangeDialog*>(modal);
        if (dialog == nullptr) return false;
        shownVolume = dialog->findChild<QSpinBox*>(QStringLiteral("volume"))->text();
        shownHedge = dialog->findChild<QComboBox*>(QStringLiteral("hedge"))->currentText();
        dialog->findChild<QCheckBox*>(QStringLiteral("changeVolume"))->setChecked(true);
        dialog->accept();
        return true;
    });
    buttonOf(positions, QStringLiteral("修改"))->click();
    EXPECT_EQ(shownVolume, volume);
    EXPECT_EQ(shownHedge, hedge);
    EXPECT_EQ(cell(8), volume);
    EXPECT_EQ(t.driver.abandoned, 0);
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
