// Input that cannot go wrong: number fields take only what their core rule
// accepts, Tab follows the layout, a refused check puts the focus on the
// field it names, a refused add opens its dialog again as typed, date fields
// query when their editing is done, and commands that do nothing say why.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include "accounts/deposits/DepositForm.h"
#include "accounts/mainaccounts/MainAccountForm.h"
#include "app/actions/ActionDispatcher.h"
#include "gui/GuiHarness.h"
#include "gui/accounts/AdministratorDialog.h"
#include "gui/accounts/DepositDialog.h"
#include "gui/accounts/MainAccountDialog.h"
#include "gui/accounts/SubAccountDialog.h"
#include "gui/reports/DepositRecordsTab.h"
#include "gui/shell/AdvancedSearchDialog.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/SearchBar.h"
#include "gui/widgets/NodeTreeModel.h"
#include "support/ScriptedPort.h"

namespace korvant::test {
namespace {

// The field Tab moves to from `from`.
QWidget* tabFrom(QWidget* from) {
    from->setFocus(Qt::TabFocusReason);
    QTest::keyClick(from, Qt::Key_Tab);
    return from->window()->focusWidget();
}

QString typed(QLineEdit* edit, const QString& text) {
    edit->clear();
    typeText(edit, text);
    return edit->text();
}

TEST(FormInput, DepositAmountsTakeOnlyPlainAmountsAndTabInLayoutOrder) {
    guiApplication();
    DepositForm form;
    form.holder = "100101";
    gui::DepositDialog dialog(form);
    auto* available = dialog.findChild<QLineEdit*>(QStringLiteral("available"));
    auto* priority = dialog.findChild<QLineEdit*>(QStringLiteral("priority"));
    auto* start = dialog.findChild<QLineEdit*>(QStringLiteral("startInvestment"));
    auto* remark = dialog.findChild<QLineEdit*>(QStringLiteral("remark"));
    auto* words = dialog.findChild<QLabel*>(QStringLiteral("availableInWords"));
    ASSERT_TRUE(available && priority && start && remark && words);
    QWidget* opened = nullptr;
    std::vector<QString> texts;
    std::vector<QWidget*> tabs;
    runWith(
        dialog, {[&] {
            opened = dialog.focusWidget();
            for (const char* text : {"1,000", "-5000", "1e60", "一百万", "12.345", "9999999999999"})
                texts.push_back(typed(available, QString::fromUtf8(text)));
            tabs = {tabFrom(available), tabFrom(priority), tabFrom(start)};
            typed(available, QStringLiteral("123456789012.5"));
        }});
    // Opens on the first amount, not on the read-only holder.
    EXPECT_EQ(opened, available);
    EXPECT_EQ(texts, (std::vector<QString>{"1000", "5000", "160", "", "12.34", "999999999999"}));
    EXPECT_EQ(tabs, (std::vector<QWidget*>{priority, start, remark}));
    // The amount in words wraps beside a field that keeps its width.
    EXPECT_TRUE(words->wordWrap());
    EXPECT_GE(available->width(),
              available->fontMetrics().horizontalAdvance(QStringLiteral("123456789012.5")));
}

TEST(FormInput, RefusedCheckPutsTheFocusOnItsField) {
    guiApplication();
    ScriptedPort port;
    MainAccountForm form;
    gui::MainAccountDialog dialog(form);
    dialog.setValidator([&port](Form& f) {
        return validateMainAccountForm(port, static_cast<MainAccountForm&>(f));
    });
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("ok"));
    auto* account = dialog.findChild<QLineEdit*>(QStringLiteral("account"));
    auto* priority = dialog.findChild<QLineEdit*>(QStringLiteral("priorityFunds"));
    auto* fee = dialog.findChild<QLineEdit*>(QStringLiteral("managementFee"));
    ASSERT_TRUE(ok && account && priority && fee);
    QWidget* afterEmptyAccount = nullptr;
    QWidget* afterBarePoint = nullptr;
    QString feeTyped;
    const bool accepted = runWith(dialog, {[&] {
                                               fee->setFocus();
                                               ok->click();
                                           },
                                           [&] { afterEmptyAccount = dialog.focusWidget(); },
                                           [&] {
                                               account->setText(QStringLiteral("880199"));
                                               // A bare point can be typed on the way to "0.5", and
                                               // is refused when it stays.
                                               typeText(priority, QStringLiteral("."));
                                               feeTyped = typed(fee, QStringLiteral("0,1234567"));
                                               ok->click();
                                           },
                                           [&] { afterBarePoint = dialog.focusWidget(); },
                                           [&] {
                                               // The refused text is selected: typing replaces it.
                                               typeText(priority, QStringLiteral("0.5"));
                                               ok->click();
                                           }});
    EXPECT_EQ(afterEmptyAccount, account);
    EXPECT_EQ(afterBarePoint, priority);
    EXPECT_EQ(feeTyped, QStringLiteral("01234567"));
    EXPECT_TRUE(accepted);
    EXPECT_EQ(
        port.messageTexts(),
        (std::vector<std::string>{"请填写主账号。  ", "优先资金：请填写数字（最多 2 位小数）"}));
    EXPECT_EQ(form.priorityFundsValue, 0.5);
}

TEST(FormInput, AdministratorDialogTabsThroughTheAddressesBeforeTheRange) {
    guiApplication();
    AdministratorForm form = makeAddAdministratorForm({}, 1, {5, "组"});
    gui::AdministratorDialog dialog(form);
    auto* lastIp = dialog.findChild<QLineEdit*>(QStringLiteral("ip4"));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("name"));
    auto* from = dialog.findChild<QLineEdit*>(QStringLiteral("monitorFrom"));
    auto* to = dialog.findChild<QLineEdit*>(QStringLiteral("monitorTo"));
    ASSERT_TRUE(lastIp && name && from && to);
    QWidget* afterIp = nullptr;
    QWidget* afterFrom = nullptr;
    QString bound;
    runWith(dialog, {[&] {
                afterIp = tabFrom(lastIp);
                afterFrom = tabFrom(from);
                bound = typed(from, QStringLiteral("-5x"));
            }});
    EXPECT_EQ(afterIp, from);
    EXPECT_EQ(afterFrom, to);
    EXPECT_EQ(bound, QStringLiteral("-5"));  // a sign has a meaning here
}

// Selects group `id` in the groups tree.
void selectGroup(DeskUnderTest& t, int id) {
    gui::NodeTreeModel* model = t.window->navigation()->groupModel();
    for (int node = 0; node < model->nodeCount(); ++node)
        if (model->node(node).data == id)
            t.window->navigation()->groupTree()->setCurrentIndex(model->indexOfNode(node));
}

TEST(FormInput, RefusedAddOpensTheDialogAgainAsTyped) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    selectGroup(t, 5);
    gui::ContentPanel* content = t.window->content();
    content->threeTabStrip()->setCurrentIndex(2);
    ASSERT_EQ(t.state().shownList, AccountList::SubAccounts);

    std::size_t rowsAtReopen = 0;
    QString accountAgain, passwordAgain, nameAgain;
    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::SubAccountDialog*>(modal);
        if (dialog == nullptr) return false;
        // 100101 exists already: the simulator refuses it.
        dialog->findChild<QLineEdit*>(QStringLiteral("account"))->setText("100101");
        dialog->findChild<QLineEdit*>(QStringLiteral("password"))->setText("pw1");
        dialog->findChild<QLineEdit*>(QStringLiteral("name"))->setText("张三");
        QTimer::singleShot(0, dialog->findChild<QPushButton*>(QStringLiteral("ok")),
                           &QPushButton::click);
        return true;
    });
    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::SubAccountDialog*>(modal);
        if (dialog == nullptr) return false;
        rowsAtReopen = t.desk->statusList().rows().size();
        accountAgain = dialog->findChild<QLineEdit*>(QStringLiteral("account"))->text();
        passwordAgain = dialog->findChild<QLineEdit*>(QStringLiteral("password"))->text();
        nameAgain = dialog->findChild<QLineEdit*>(QStringLiteral("name"))->text();
        QTimer::singleShot(0, dialog, &QDialog::reject);
        return true;
    });
    content->newButton()->click();
    ASSERT_TRUE(waitUntil([&] { return t.driver.pendingHandlers() == 0; }));
    EXPECT_EQ(accountAgain, QStringLiteral("100101"));
    EXPECT_EQ(passwordAgain, QStringLiteral("pw1"));
    EXPECT_EQ(nameAgain, QStringLiteral("张三"));
    ASSERT_EQ(t.driver.messages.size(), 1u);  // the server's refusal
    // One change was sent: its start row and its failure row, and nothing
    // after the dialog was cancelled.
    const auto& rows = t.desk->statusList().rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rowsAtReopen, 2u);
    EXPECT_EQ(rows[1].detail.rfind("添加 100101 失败！", 0), 0u) << rows[1].detail;
    EXPECT_EQ(t.driver.abandoned, 0);
}

TEST(FormInput, DateFieldsQueryWhenTheirEditingIsDone) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    int queries = 0;
    gui::DepositRecordsTab tab(*t.desk, [&](const std::function<void()>& work) {
        ++queries;
        work();
        return true;
    });
    tab.show();
    auto* from = tab.findChild<QDateEdit*>(QStringLiteral("from"));
    auto* to = tab.findChild<QDateEdit*>(QStringLiteral("to"));
    ASSERT_TRUE(from && to);
    tab.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tab));
    from->setDate(QDate(2026, 6, 15));
    to->setDate(QDate(2026, 6, 30));
    EXPECT_EQ(queries, 0);  // set, not edited
    to->setFocus();
    QTest::keyClick(to, Qt::Key_Return);
    ASSERT_EQ(queries, 1);

    // Arrow steps move the date without a query each.
    from->setFocus();
    from->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClick(from, Qt::Key_Up);
    QTest::keyClick(from, Qt::Key_Up);
    EXPECT_EQ(from->date(), QDate(2026, 6, 17));
    EXPECT_EQ(queries, 1);
    QTest::keyClick(from, Qt::Key_Return);
    EXPECT_EQ(queries, 2);

    // Typed digits change the date.
    from->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(from, QStringLiteral("2025"));
    EXPECT_EQ(queries, 2);
    QTest::keyClick(from, Qt::Key_Return);
    EXPECT_EQ(from->date().year(), 2025);
    EXPECT_EQ(queries, 3);

    // A range moved forward start first is wrong only on the way: no query
    // and no message until its end is done too.
    from->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(from, QStringLiteral("2027"));
    // Tab steps through the sections of the date, then on to the end of
    // the range.
    for (int i = 0; i < 4 && !to->hasFocus(); ++i) QTest::keyClick(from, Qt::Key_Tab);
    ASSERT_TRUE(to->hasFocus());
    EXPECT_EQ(from->date().year(), 2027);
    EXPECT_EQ(queries, 3);
    to->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(to, QStringLiteral("2028"));
    QTest::keyClick(to, Qt::Key_Return);
    EXPECT_EQ(to->date().year(), 2028);
    EXPECT_EQ(queries, 4);
    EXPECT_EQ(tab.page().startDate / 10000, 2027);
    EXPECT_EQ(tab.page().endDate / 10000, 2028);
    EXPECT_TRUE(t.driver.messages.empty()) << t.driver.messages.front();
}

TEST(FormInput, CommandsThatCannotActSayWhy) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    selectGroup(t, 5);
    gui::ContentPanel* content = t.window->content();
    // A search over "全部" leaves no group selected, the tree still shows one.
    gui::SearchBar* bar = content->searchBar();
    bar->rangeCombo()->setCurrentIndex(0);
    bar->searchButton()->click();
    ASSERT_EQ(t.state().group.id, -1);
    content->newButton()->click();
    ASSERT_TRUE(waitUntil([&] { return !t.driver.messages.empty(); }));
    EXPECT_EQ(t.driver.messages.back(), "请先在左侧的组列表中选择一个组。");

    // "高级搜索" with only "开户日" filled stays open and says why.
    bool stillOpen = false;
    t.driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<gui::AdvancedSearchDialog*>(modal);
        if (dialog == nullptr) return false;
        dialog->findChild<QLineEdit*>(QStringLiteral("openingDate"))->setText("20260102");
        QTimer::singleShot(0, dialog, [dialog, &stillOpen] {
            dialog->accept();
            stillOpen = dialog->isVisible();
            dialog->reject();
        });
        return true;
    });
    const std::size_t before = t.driver.messages.size();
    bar->advancedButton()->click();
    ASSERT_TRUE(waitUntil([&] { return t.driver.pendingHandlers() == 0; }));
    ASSERT_TRUE(waitUntil([&] { return t.driver.messages.size() > before; }));
    EXPECT_TRUE(stillOpen);
    EXPECT_NE(t.driver.messages.back().find("开户日期"), std::string::npos);
}

}  // namespace
}  // namespace korvant::test
