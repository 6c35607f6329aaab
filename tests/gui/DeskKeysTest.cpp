// Every key of the desk does what its button or menu entry does: F5, Ctrl+F,
// Ctrl+E, Ctrl+P, Ctrl+Shift+P, Enter and Delete in a list, and the access
// keys (Alt and a letter) of the page's buttons.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "app/desk/Desk.h"
#include "gui/GuiHarness.h"
#include "gui/shell/AccessKeys.h"
#include "gui/shell/AccountListView.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/MenuBuilder.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/PagerBar.h"
#include "gui/shell/SearchBar.h"
#include "gui/shell/ToolbarTable.h"
#include "gui/widgets/ReportQueryTab.h"

namespace korvant::test {
namespace {

QPushButton* buttonOf(QWidget* page, const QString& caption) {
    for (QPushButton* button : page->findChildren<QPushButton*>())
        if (gui::plainCaption(button->text()) == caption) return button;
    return nullptr;
}

struct KeyCase {
    const char* what;
    // Shows the page and returns the widget that has the focus.
    std::function<QWidget*(DeskUnderTest&)> setUp;
    int key;
    Qt::KeyboardModifiers modifiers;
    // The button the key clicks on that page, if any.
    const char* button;
    // The window the key opens (it is closed again), if any.
    std::function<bool(QWidget*)> opens;
    // What else shows that the key did its work.
    std::function<bool(DeskUnderTest&)> done;
};

QWidget* accountsList(DeskUnderTest& t, bool rowChosen) {
    t.window->viewAction(ViewKind::Accounts)->trigger();
    EXPECT_TRUE(t.selectGroup(5));
    t.window->content()->threeTabStrip()->setCurrentIndex(2);
    auto* list = t.window->content()->list(AccountList::SubAccounts);
    EXPECT_TRUE(waitUntil([&] { return list->rows() > 2; }));
    list->clearSelection();
    if (rowChosen) list->selectRow(0);
    return list;
}

QWidget* reportTab(DeskUnderTest& t, int index) {
    t.window->viewAction(ViewKind::Reports)->trigger();
    t.window->content()->viewStrip(ViewKind::Reports)->setCurrentIndex(index);
    QWidget* page = t.window->content()->viewPage(ViewKind::Reports);
    if (auto* tab = qobject_cast<gui::ReportQueryTab*>(page)) return tab->table();
    return page;
}

bool className(QWidget* modal, const char* name) {
    return QLatin1String(modal->metaObject()->className()).endsWith(QLatin1String(name));
}

TEST(DeskKeys, EachKeyTriggersItsAction) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    QString deleteDefault;
    int subAccountsBefore = 0;
    const KeyCase cases[] = {
        {"F5 in the accounts view reads the list and the groups again",
         [](DeskUnderTest& t) { return accountsList(t, true); },
         Qt::Key_F5,
         Qt::NoModifier,
         nullptr,
         {},
         [](DeskUnderTest& t) { return t.state().group.id == -1; }},
        {"Ctrl+F puts the cursor in the search bar",
         [](DeskUnderTest& t) { return accountsList(t, false); },
         Qt::Key_F,
         Qt::ControlModifier,
         nullptr,
         {},
         [](DeskUnderTest& t) {
             return QApplication::focusWidget() == t.window->content()->searchBar()->keywordEdit();
         }},
        {"Enter opens 修改 of the chosen sub-account",
         [](DeskUnderTest& t) { return accountsList(t, true); },
         Qt::Key_Return,
         Qt::NoModifier,
         nullptr,
         [](QWidget* modal) {
             if (!className(modal, "SubAccountDialog")) return false;
             // Every dialog shows with the access keys of its buttons.
             auto* ok = modal->findChild<QPushButton*>(QStringLiteral("ok"));
             EXPECT_TRUE(ok != nullptr && ok->text() == QStringLiteral("确定(&O)"));
             return true;
         },
         {}},
        {"Delete asks about the chosen sub-account, 否 by default",
         [&](DeskUnderTest& t) {
             QWidget* list = accountsList(t, true);
             subAccountsBefore = t.desk->accounts().subAccounts.count();
             return list;
         },
         Qt::Key_Delete, Qt::NoModifier, nullptr,
         [&](QWidget* modal) {
             auto* box = qobject_cast<QMessageBox*>(modal);
             if (box == nullptr) return false;
             deleteDefault = box->defaultButton()->text();
             return true;
         },
         [&](DeskUnderTest& t) {
             return t.desk->accounts().subAccounts.count() == subAccountsBefore;
         }},
        {"F5 on a report tab queries it again",
         [](DeskUnderTest& t) { return reportTab(t, 3); },
         Qt::Key_F5,
         Qt::NoModifier,
         "查询",
         {},
         {}},
        {"Ctrl+F on a report tab goes to 客户号",
         [](DeskUnderTest& t) { return reportTab(t, 3); },
         Qt::Key_F,
         Qt::ControlModifier,
         nullptr,
         {},
         [](DeskUnderTest& t) {
             QWidget* focus = QApplication::focusWidget();
             return focus != nullptr && focus->objectName() == QStringLiteral("account") &&
                    t.window->content()->viewPage(ViewKind::Reports)->isAncestorOf(focus);
         }},
        {"Ctrl+E exports the report tab",
         [](DeskUnderTest& t) { return reportTab(t, 3); },
         Qt::Key_E,
         Qt::ControlModifier,
         "导出",
         [](QWidget* modal) { return className(modal, "ReportExportDialog"); },
         {}},
        {"Alt+Q is the access key of 查询",
         [](DeskUnderTest& t) { return reportTab(t, 3); },
         Qt::Key_Q,
         Qt::AltModifier,
         "查询",
         {},
         {}},
        {"Ctrl+P prints the statement",
         [](DeskUnderTest& t) { return reportTab(t, 0); },
         Qt::Key_P,
         Qt::ControlModifier,
         "打印",
         [](QWidget* modal) { return qobject_cast<QDialog*>(modal) != nullptr; },
         {}},
        {"Ctrl+Shift+P previews the statement",
         [](DeskUnderTest& t) { return reportTab(t, 0); },
         Qt::Key_P,
         Qt::ControlModifier | Qt::ShiftModifier,
         "打印预览",
         [](QWidget* modal) { return qobject_cast<QDialog*>(modal) != nullptr; },
         {}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget* target = c.setUp(t);
        ASSERT_NE(target, nullptr);
        // The keys reach the active window (a progress window may have been
        // it since).
        t.window->activateWindow();
        QApplication::setActiveWindow(t.window.get());
        ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == t.window.get(); }));
        target->setFocus();
        int clicks = 0;
        QMetaObject::Connection counting;
        if (c.button != nullptr) {
            QPushButton* button = buttonOf(t.window->content()->viewPage(ViewKind::Reports),
                                           QString::fromUtf8(c.button));
            ASSERT_NE(button, nullptr);
            counting =
                QObject::connect(button, &QPushButton::clicked, target, [&clicks] { ++clicks; });
        }
        bool opened = false;
        if (c.opens)
            t.driver.then([&](QWidget* modal) {
                if (!c.opens(modal)) return false;
                opened = true;
                if (auto* box = qobject_cast<QMessageBox*>(modal))
                    box->done(QMessageBox::No);
                else if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                return true;
            });
        QTest::keyClick(target, static_cast<Qt::Key>(c.key), c.modifiers);
        if (c.button != nullptr) {
            EXPECT_TRUE(waitUntil([&] { return clicks == 1; }, 5000));
        }
        if (c.opens) {
            EXPECT_TRUE(waitUntil([&] { return opened; }, 10000));
        }
        if (c.done) {
            EXPECT_TRUE(waitUntil([&] { return c.done(t); }, 10000));
        }
        waitUntil([] { return false; }, 50);
        QObject::disconnect(counting);
        ASSERT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_EQ(deleteDefault, QStringLiteral("否(&N)"));
    EXPECT_EQ(t.driver.abandoned, 0);
}

// The keys of one window differ: the menu bar, the toolbar, the navigation,
// the search bar and the pager, and each page's buttons.
TEST(DeskKeys, AccessKeysAreUniqueOnEveryPage) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    gui::ContentPanel* content = t.window->content();
    std::set<QChar> window;
    std::vector<QString> texts;
    for (const QAction* menu : t.window->menuBar()->actions()) texts.push_back(menu->text());
    for (const gui::ToolbarButton& entry : gui::toolbarButtons())
        texts.push_back(content->toolButton(entry.code)->text());
    for (QWidget* part : std::initializer_list<QWidget*>{t.window->navigation(),
                                                         content->searchBar(), content->pager()})
        for (QAbstractButton* button : part->findChildren<QAbstractButton*>())
            texts.push_back(button->text());
    for (const QString& text : texts) {
        const QChar key = gui::accessKeyOf(text);
        ASSERT_FALSE(key.isNull()) << text.toStdString();
        EXPECT_TRUE(window.insert(key).second) << text.toStdString();
    }
    t.window->viewAction(ViewKind::Reports)->trigger();
    QTabBar* strip = content->viewStrip(ViewKind::Reports);
    for (int tab = 0; tab < strip->count(); ++tab) {
        strip->setCurrentIndex(tab);
        std::set<QChar> page = window;
        for (QAbstractButton* button :
             content->viewPage(ViewKind::Reports)->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty()) continue;
            const QChar key = gui::accessKeyOf(button->text());
            ASSERT_FALSE(key.isNull()) << button->text().toStdString();
            EXPECT_TRUE(page.insert(key).second) << button->text().toStdString() << " tab " << tab;
        }
    }
}

}  // namespace
}  // namespace korvant::test
