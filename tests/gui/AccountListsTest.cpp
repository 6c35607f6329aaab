// The accounts view against the demo simulator: group selection chooses the
// tab strip and tab, the tabs switch lists, the pager keeps to its bounds
// and the search bar searches all groups with "全部".
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTreeView>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/desk/Desk.h"
#include "app/session/BuildVersion.h"
#include "gui/GuiHarness.h"
#include "gui/shell/AccountListView.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/PagerBar.h"
#include "gui/shell/SearchBar.h"
#include "gui/widgets/NodeTreeModel.h"

namespace korvant::test {
namespace {

class AccountListsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(t.loginAs("admin", "admin")); }

    void selectGroup(int groupId) {
        EXPECT_TRUE(t.selectGroup(groupId)) << "no node for group " << groupId;
    }
    gui::ContentPanel* content() { return t.window->content(); }
    QWidget* shownList() { return content()->currentPage(); }
    gui::AccountListView* list(AccountList which) { return content()->list(which); }
    QString pageLabel() { return content()->pager()->label(); }

    DeskUnderTest t;
};

TEST_F(AccountListsTest, CaptionCarriesTheBuildVersion) {
    EXPECT_EQ(t.window->windowTitle(), QStringLiteral("Korvant柜台管理 ") + buildVersion());
    EXPECT_FALSE(QString::fromLatin1(buildVersion()).isEmpty());
}

TEST_F(AccountListsTest, AMissingManualIsSaidWithItsPlace) {
    QAction* manual = t.window->menuAction(QStringLiteral("使用说明"));
    ASSERT_NE(manual, nullptr);
    t.window->setManualPlaces({"/nonexistent/a/柜台管理说明文档.pdf", "/nonexistent/b/x.pdf"});
    manual->trigger();
    ASSERT_EQ(t.driver.messages.size(), 1u);
    EXPECT_EQ(
        t.driver.messages[0],
        "找不到使用说明文档，查找过：\n/nonexistent/a/柜台管理说明文档.pdf\n/nonexistent/b/x.pdf");
}

// The manual built beside the programs is the one opened (the offscreen
// platform cannot open it, and says which file it tried).
TEST_F(AccountListsTest, TheManualBuiltBesideTheProgramIsOpened) {
    t.window->setManualPlaces({});
    t.window->menuAction(QStringLiteral("使用说明"))->trigger();
    const std::string built = std::string(KORVANT_BIN_DIR) + "/柜台管理说明文档.pdf";
    for (const std::string& message : t.driver.messages)
        EXPECT_EQ(message, "无法打开使用说明文档：" + built);
}

TEST_F(AccountListsTest, AdministratorHeaderClicksSortWithOneSharedDirection) {
    selectGroup(1);
    gui::AccountListView* view = list(AccountList::Administrators);
    ASSERT_GT(view->rows(), 2);
    auto column = [&](int c) {
        std::vector<QString> cells;
        for (int row = 0; row < view->rows(); ++row) cells.push_back(view->cell(row, c));
        return cells;
    };
    QHeaderView* header = view->horizontalHeader();
    emit header->sectionClicked(0);
    std::vector<QString> first = column(0);
    const bool ascending = std::is_sorted(first.begin(), first.end());
    const bool descending = std::is_sorted(first.rbegin(), first.rend());
    EXPECT_TRUE(ascending || descending);
    // The next click, on another column, turns the direction; a third click
    // on the first column sorts it the other way round.
    emit header->sectionClicked(4);
    emit header->sectionClicked(0);
    std::vector<QString> again = column(0);
    std::vector<QString> reversed(first.rbegin(), first.rend());
    EXPECT_EQ(again, first);
    emit header->sectionClicked(0);
    EXPECT_EQ(column(0), reversed);
    // Columns past the fifth do not sort.
    emit header->sectionClicked(5);
    EXPECT_EQ(column(0), reversed);
}

TEST_F(AccountListsTest, GroupLevelChoosesStripAndTab) {
    // The root: two tabs, " 管理员 ".
    selectGroup(1);
    EXPECT_TRUE(content()->twoTabStrip()->isVisible());
    EXPECT_FALSE(content()->threeTabStrip()->isVisible());
    EXPECT_EQ(content()->twoTabStrip()->currentIndex(), 1);
    EXPECT_EQ(content()->twoTabStrip()->tabText(1), QStringLiteral(" 管理员 "));
    EXPECT_EQ(shownList(), list(AccountList::Administrators));
    EXPECT_GT(list(AccountList::Administrators)->rows(), 0);
    // "查找范围": "全部" and the group.
    QComboBox* range = content()->searchBar()->rangeCombo();
    ASSERT_EQ(range->count(), 2);
    EXPECT_EQ(range->itemText(0), QStringLiteral("全部"));
    EXPECT_EQ(range->currentIndex(), 1);

    // A first-level group: two tabs, " 主账号 ".
    selectGroup(2);
    EXPECT_TRUE(content()->twoTabStrip()->isVisible());
    EXPECT_EQ(content()->twoTabStrip()->currentIndex(), 0);
    EXPECT_EQ(shownList(), list(AccountList::MainAccounts));
    gui::AccountListView* mains = list(AccountList::MainAccounts);
    ASSERT_GT(mains->rows(), 0);
    EXPECT_EQ(mains->cell(0, 1), QStringLiteral("*****"));
    EXPECT_TRUE(mains->isColumnHidden(6)) << "the fee-rate columns are hidden";
    EXPECT_EQ(pageLabel(), QStringLiteral("当前第1/1页"));

    // A second-level group: three tabs, the strip's tab kept; the sub-account
    // tab lists the group's accounts, an empty row and the page row.
    selectGroup(5);
    EXPECT_FALSE(content()->twoTabStrip()->isVisible());
    EXPECT_TRUE(content()->threeTabStrip()->isVisible());
    EXPECT_EQ(content()->threeTabStrip()->currentIndex(), 0);
    EXPECT_EQ(shownList(), list(AccountList::MainAccountLinks));
    // The link of an unlimited main account (880102) shows "不限", a limited
    // one its funds.
    gui::AccountListView* links = list(AccountList::MainAccountLinks);
    ASSERT_GE(links->rows(), 2);
    for (int row = 0; row < links->rows(); ++row) {
        if (links->cell(row, 0) == QStringLiteral("880102"))
            EXPECT_EQ(links->cell(row, 1), QStringLiteral("不限"));
        if (links->cell(row, 0) == QStringLiteral("880101"))
            EXPECT_TRUE(links->cell(row, 1).contains(QLatin1Char('.')));
    }
    content()->threeTabStrip()->setCurrentIndex(2);
    EXPECT_EQ(shownList(), list(AccountList::SubAccounts));
    gui::AccountListView* subs = list(AccountList::SubAccounts);
    int records = t.desk->accounts().subAccounts.count();
    ASSERT_GT(records, 0);
    ASSERT_EQ(subs->rows(), records + 2);
    EXPECT_EQ(subs->cell(records, 0), QString());
    EXPECT_EQ(subs->cell(records + 1, 0), QStringLiteral("第 1/1 页"));
    QString groupName = QString::fromStdString(t.desk->reference().groupById(5)->name);
    for (int row = 0; row < records; ++row)
        EXPECT_EQ(subs->cell(row, 2), groupName) << "only the group's accounts";

    // Another second-level group keeps the sub-account tab.
    selectGroup(6);
    EXPECT_EQ(content()->threeTabStrip()->currentIndex(), 2);
    EXPECT_EQ(shownList(), list(AccountList::SubAccounts));
}

TEST_F(AccountListsTest, SearchAllGroupsAndPageWithinBounds) {
    selectGroup(5);
    content()->threeTabStrip()->setCurrentIndex(2);
    gui::SearchBar* search = content()->searchBar();
    // "全部" with no keyword: every group's sub-accounts, two pages of them.
    search->rangeCombo()->setCurrentIndex(0);
    search->searchButton()->click();
    EXPECT_EQ(t.state().group.id, -1);
    EXPECT_EQ(pageLabel(), QStringLiteral("当前第1/2页"));
    std::set<QString> groups;
    gui::AccountListView* subs = list(AccountList::SubAccounts);
    for (int row = 0; row < t.desk->accounts().subAccounts.count(); ++row)
        groups.insert(subs->cell(row, 2));
    EXPECT_GT(groups.size(), 1u) << "accounts of several groups";

    gui::PagerBar* pager = content()->pager();
    auto& cache = t.desk->accounts().subAccounts;
    // A query would refill the cache: empty it and see whether it stays so.
    auto nothingSent = [&](QPushButton* button) {
        cache.records.clear();
        button->click();
        return cache.records.empty();
    };
    EXPECT_TRUE(nothingSent(pager->previousButton())) << "previous on the first page";
    EXPECT_TRUE(nothingSent(pager->firstButton())) << "first on the first page";
    pager->nextButton()->click();
    EXPECT_EQ(pageLabel(), QStringLiteral("当前第2/2页"));
    EXPECT_GT(cache.count(), 0);
    EXPECT_TRUE(nothingSent(pager->nextButton())) << "next on the last page";
    EXPECT_TRUE(nothingSent(pager->lastButton())) << "last on the last page";
    EXPECT_EQ(pageLabel(), QStringLiteral("当前第2/2页"));
    pager->firstButton()->click();
    EXPECT_EQ(pageLabel(), QStringLiteral("当前第1/2页"));
    EXPECT_EQ(cache.count(), 50);
    // The page field counts from 1.
    pager->pageField()->setValue(2);
    pager->goButton()->click();
    EXPECT_EQ(pageLabel(), QStringLiteral("当前第2/2页"));

    // A keyword narrows the search over all groups.
    search->rangeCombo()->setCurrentIndex(0);
    search->categoryCombo()->setCurrentIndex(3);  // "备注"
    search->keywordEdit()->setText(QStringLiteral("VIP"));
    search->searchButton()->click();
    ASSERT_GT(cache.count(), 0);
    for (int row = 0; row < cache.count(); ++row)
        EXPECT_NE(subs->cell(row, 11).indexOf(QStringLiteral("VIP")), -1);
}

}  // namespace
}  // namespace korvant::test
