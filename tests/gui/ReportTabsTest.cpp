// The tabs of the reports view against the demo simulator: each tab shows
// its own page, however often and in whatever order the tabs are chosen.
#include <QTabBar>

#include <gtest/gtest.h>

#include <set>

#include "gui/GuiHarness.h"
#include "gui/shell/ContentPanel.h"

namespace korvant::test {
namespace {

TEST(ReportTabs, EachTabShowsItsOwnPageInAnyOrder) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->viewAction(ViewKind::Reports)->trigger();
    gui::ContentPanel* content = t.window->content();
    QTabBar* strip = content->viewStrip(ViewKind::Reports);
    ASSERT_NE(strip, nullptr);
    ASSERT_EQ(strip->count(), 7);
    std::vector<QWidget*> pages(7, nullptr);
    const auto choose = [&](int index) {
        strip->setCurrentIndex(index);
        QWidget* page = content->currentPage();
        EXPECT_EQ(content->viewPage(ViewKind::Reports), page) << index;
        EXPECT_TRUE(page->isVisibleTo(content)) << index;
        return page;
    };
    for (int i = 0; i < 7; ++i) pages[static_cast<std::size_t>(i)] = choose(i);
    EXPECT_EQ(std::set<QWidget*>(pages.begin(), pages.end()).size(), 7u);
    // Back and forth, and after leaving the view and coming back.
    for (int i : {0, 1, 0, 3, 4, 3, 6, 0, 6, 3, 5, 2, 1}) {
        EXPECT_EQ(choose(i), pages[static_cast<std::size_t>(i)]) << i;
    }
    t.window->viewAction(ViewKind::Accounts)->trigger();
    t.window->viewAction(ViewKind::Reports)->trigger();
    EXPECT_EQ(content->currentPage(), pages[1]);
    for (int i : {0, 6, 1}) EXPECT_EQ(choose(i), pages[static_cast<std::size_t>(i)]) << i;
}

}  // namespace
}  // namespace korvant::test
