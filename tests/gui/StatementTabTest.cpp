// The statement tab of the reports view against the demo simulator.
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTreeView>

#include <gtest/gtest.h>

#include <array>

#include "gui/GuiHarness.h"
#include "gui/shell/MenuBuilder.h"
#include "gui/reports/StatementTab.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/widgets/NodeTreeModel.h"

namespace korvant::test {
namespace {

// Monday of the week before this one.
QDate lastMonday() {
    const QDate today = QDate::currentDate();
    return today.addDays(-(today.dayOfWeek() - 1) - 7);
}

TEST(StatementTabTest, PeriodFieldsQueryAndStyleChange) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->viewAction(ViewKind::Reports)->trigger();
    gui::NavigationPanel* navigation = t.window->navigation();
    ASSERT_TRUE(waitUntil(
        [&] { return navigation->reportModel()->findText(QStringLiteral("100102")).isValid(); }));
    gui::ContentPanel* content = t.window->content();
    // The tab that opens first.
    EXPECT_EQ(content->viewStrip(ViewKind::Reports)->currentIndex(), 0);
    auto* tab = qobject_cast<gui::StatementTab*>(content->viewPage(ViewKind::Reports));
    ASSERT_NE(tab, nullptr);
    auto* period = tab->findChild<QComboBox*>(QStringLiteral("period"));
    auto* month = tab->findChild<QComboBox*>(QStringLiteral("month"));
    auto* from = tab->findChild<QDateEdit*>(QStringLiteral("from"));
    auto* to = tab->findChild<QDateEdit*>(QStringLiteral("to"));
    auto* style = tab->findChild<QComboBox*>(QStringLiteral("style"));
    auto* text = tab->findChild<QPlainTextEdit*>(QStringLiteral("statement"));
    ASSERT_TRUE(period && month && from && to && style && text);

    EXPECT_EQ(month->count(), 12);
    EXPECT_EQ(month->itemText(0), QDate::currentDate().toString(QStringLiteral("yyyyMM")));
    const std::vector<std::array<bool, 3>> shown = {
        {false, true, false}, {true, false, false}, {false, true, true}};
    for (int i = 0; i < 3; ++i) {
        period->setCurrentIndex(i);
        EXPECT_EQ(month->isVisibleTo(tab), shown[static_cast<std::size_t>(i)][0]) << i;
        EXPECT_EQ(from->isVisibleTo(tab), shown[static_cast<std::size_t>(i)][1]) << i;
        EXPECT_EQ(to->isVisibleTo(tab), shown[static_cast<std::size_t>(i)][2]) << i;
    }
    period->setCurrentIndex(0);
    from->setDate(lastMonday());

    typeText(tab->findChild<QLineEdit*>(QStringLiteral("account")), QStringLiteral("100102"));
    for (QPushButton* button : tab->findChildren<QPushButton*>())
        if (gui::plainCaption(button->text()) == QStringLiteral("查询")) button->click();
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("结算单(盯市)")));
    EXPECT_FALSE(text->toPlainText().contains(QLatin1Char('\r')));
    EXPECT_EQ(navigation->reportTree()->currentIndex().data().toString(), QStringLiteral("100102"));
    // Columns line up: every Latin character is as wide as any other.
    const QFontMetrics metrics(text->font());
    EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('i')),
              metrics.horizontalAdvance(QLatin1Char('W')));

    style->setCurrentIndex(1);
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("结算单(逐笔)")));

    const QString folder = qEnvironmentVariable("KORVANT_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        ASSERT_TRUE(QDir().mkpath(folder));
        style->setCurrentIndex(0);
        t.window->resize(1280, 800);
        waitUntil([] { return false; }, 200);
        EXPECT_TRUE(t.window->grab().save(QDir(folder).filePath(QStringLiteral("statement.png"))));
    }
}

}  // namespace
}  // namespace korvant::test
