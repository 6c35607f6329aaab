// What the desk remembers between its starts (DeskState.ini): the columns
// and sort of every list, the dates of the report tabs; a file that cannot
// be read is ignored with one status row; "恢复默认布局" goes back to the
// built-in layout.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QTabBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/lists/AccountListSort.h"
#include "core/CoreDesk.h"
#include "gui/GuiHarness.h"
#include "gui/compose/WindowParts.h"
#include "gui/shell/AccountListView.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/DeskMemory.h"
#include "gui/widgets/Remembered.h"
#include "gui/widgets/ReportQueryTab.h"
#include "local/StateFile.h"

namespace korvant::test {
namespace {

constexpr int NameColumn = 4;  // "名称" of the sub-account list

gui::AccountListView* subAccounts(DeskUnderTest& t) {
    return t.window->content()->list(AccountList::SubAccounts);
}

void showSubAccounts(DeskUnderTest& t) {
    ASSERT_TRUE(t.selectGroup(5));
    t.window->content()->threeTabStrip()->setCurrentIndex(2);
    ASSERT_TRUE(waitUntil([&] { return subAccounts(t)->rows() > 2; }));
}

QStringList names(gui::AccountListView* list, int records) {
    QStringList texts;
    for (int row = 0; row < records; ++row) texts << list->cell(row, NameColumn);
    return texts;
}

// The program ends and starts again over the same folder: a new desk and a
// new main window.
void startAgain(DeskUnderTest& t) {
    t.window.reset();
    t.desk = std::make_unique<CoreDesk>(*t.port, t.dir.path().toStdString());
    t.window = std::make_unique<gui::MainWindow>(*t.desk, *t.port, gui::deskWindowParts());
    t.loggedIn = false;
    QObject::connect(t.window.get(), &gui::MainWindow::loggedIn, [&t] { t.loggedIn = true; });
    t.window->resize(1200, 800);
    t.window->show();
}

TEST(DeskMemory, ListColumnsAndSortAreSavedOnCloseAndRestoredOnTheNextStart) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    showSubAccounts(t);
    gui::AccountListView* list = subAccounts(t);
    QHeaderView* header = list->horizontalHeader();
    header->resizeSection(1, 217);                   // dragged narrower or wider
    header->moveSection(header->visualIndex(3), 0);  // the fourth column first
    list->setColumnHidden(2, true);                  // hidden from the header's menu
    // Two clicks on "名称": descending.
    for (int click = 0; click < 2; ++click)
        t.window->callCore([&] { sortAccountList(*t.desk, AccountList::SubAccounts, NameColumn); });
    const int records = t.desk->accounts().subAccounts.count();
    const QStringList sorted = names(list, records);
    ASSERT_EQ(accountListSort(*t.desk, AccountList::SubAccounts).column, NameColumn);

    startAgain(t);
    EXPECT_TRUE(
        QFile::exists(QDir(t.dir.path()).filePath(QLatin1String(gui::DeskMemory::FileName))));
    list = subAccounts(t);
    header = list->horizontalHeader();
    EXPECT_EQ(header->sectionSize(1), 217);
    EXPECT_EQ(header->logicalIndex(0), 3);
    EXPECT_TRUE(list->isColumnHidden(2));
    const AccountListSort sort = accountListSort(*t.desk, AccountList::SubAccounts);
    EXPECT_EQ(sort.column, NameColumn);
    EXPECT_FALSE(sort.ascending);

    // The list comes in that order, and a page does not widen the column.
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    showSubAccounts(t);
    EXPECT_EQ(names(list, records), sorted);
    EXPECT_EQ(header->sectionSize(1), 217);
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), NameColumn);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

    // "视图 > 恢复默认布局": the built-in columns, no sort remembered.
    t.window->menuAction(QStringLiteral("恢复默认布局"))->trigger();
    EXPECT_EQ(header->logicalIndex(0), 0);
    EXPECT_FALSE(list->isColumnHidden(2));
    EXPECT_NE(header->sectionSize(1), 217);
    EXPECT_EQ(accountListSort(*t.desk, AccountList::SubAccounts).column, -1);
    const StateFile file = readStateFile(t.window->memory()->path());
    ASSERT_EQ(file.outcome, StateFile::Outcome::Read);
    for (const auto& [key, value] : file.values)
        EXPECT_FALSE(key.starts_with("list.") || key.starts_with("sort.")) << key;
}

TEST(DeskMemory, TheDatesOfTheReportTabsAreRemembered) {
    DeskUnderTest t;
    auto* trades = t.window->content()->findChild<gui::ReportQueryTab*>(QStringLiteral("trades"));
    ASSERT_NE(trades, nullptr);
    const QDate yesterday = QDate::currentDate().addDays(-1);
    trades->setDates({yesterday});
    auto* deposits =
        t.window->content()->findChild<gui::ReportQueryTab*>(QStringLiteral("deposits"));
    ASSERT_NE(deposits, nullptr);
    const std::vector<QDate> range{QDate(2026, 3, 2), QDate(2026, 3, 31)};
    deposits->setDates(range);

    startAgain(t);
    const StateFile file = readStateFile(t.window->memory()->path());
    EXPECT_EQ(file.values.at("dates.trades"), "days:-1");  // yesterday stays yesterday
    trades = t.window->content()->findChild<gui::ReportQueryTab*>(QStringLiteral("trades"));
    deposits = t.window->content()->findChild<gui::ReportQueryTab*>(QStringLiteral("deposits"));
    EXPECT_EQ(trades->dates(), std::vector<QDate>{yesterday});
    EXPECT_EQ(deposits->dates(), range);
}

TEST(DeskMemory, TheNextStartOpensTheLastView) {
    DeskUnderTest t;
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    t.window->viewAction(ViewKind::Reports)->trigger();
    t.window->content()->viewStrip(ViewKind::Reports)->setCurrentIndex(3);
    ASSERT_EQ(t.state().view, ViewKind::Reports);

    startAgain(t);
    ASSERT_TRUE(t.loginAs("admin", "admin"));
    EXPECT_EQ(t.state().view, ViewKind::Reports);
    EXPECT_EQ(t.window->content()->viewStrip(ViewKind::Reports)->currentIndex(), 3);
    EXPECT_EQ(t.window->pageName(), QStringLiteral("trades"));
}

TEST(DeskMemory, FileDialogsOpenInTheFolderLastChosenForTheirKind) {
    guiApplication();
    QTemporaryDir folder;
    QTemporaryDir deskFolder;
    gui::DeskMemory memory(deskFolder.path().toStdString());
    gui::setRememberedValues(&memory);
    ModalDriver driver;
    const QString exported = QDir(folder.path()).filePath(QStringLiteral("funds.csv"));
    driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) return false;
        dialog->selectFile(exported);
        static_cast<QDialog*>(dialog)->accept();
        return true;
    });
    const QString chosen =
        gui::chooseSaveFileName(nullptr, QStringLiteral("funds.save"), QStringLiteral("导出"),
                                QStringLiteral("funds.csv"), QStringLiteral("CSV (*.csv)"));
    const QString canonical = QFileInfo(folder.path()).canonicalFilePath();
    EXPECT_EQ(QFileInfo(QFileInfo(chosen).absolutePath()).canonicalFilePath(), canonical);
    EXPECT_EQ(QFileInfo(memory.value(QStringLiteral("folder.funds.save"))).canonicalFilePath(),
              canonical);
    // The next dialog of that kind opens there, with the name proposed.
    QString opened;
    QString proposed;
    driver.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) return false;
        opened = dialog->directory().canonicalPath();
        proposed = dialog->selectedFiles().value(0);
        dialog->reject();
        return true;
    });
    gui::chooseSaveFileName(nullptr, QStringLiteral("funds.save"), QStringLiteral("导出"),
                            QStringLiteral("next.csv"), QStringLiteral("CSV (*.csv)"));
    EXPECT_EQ(opened, canonical);
    EXPECT_TRUE(proposed.endsWith(QStringLiteral("next.csv"))) << proposed.toStdString();
    gui::setRememberedValues(nullptr);
}

TEST(DeskMemory, AFileThatCannotBeReadIsIgnoredWithOneStatusRow) {
    DeskUnderTest t;
    const QString path = QDir(t.dir.path()).filePath(QLatin1String(gui::DeskMemory::FileName));
    for (int broken = 0; broken < 2; ++broken) {
        t.window.reset();
        QFile::remove(path);
        QDir(path).removeRecursively();
        if (broken == 0) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("\x89PNG\r\n\x1a\nlist.subAccounts.header=????\n");
        } else {
            ASSERT_TRUE(QDir().mkpath(path));  // a folder where the file should be
        }
        t.desk = std::make_unique<CoreDesk>(*t.port, t.dir.path().toStdString());
        t.window = std::make_unique<gui::MainWindow>(*t.desk, *t.port, gui::deskWindowParts());
        t.window->show();
        const auto& rows = t.desk->statusList().rows();
        ASSERT_EQ(rows.size(), 1u) << broken;
        EXPECT_EQ(rows[0].title, "恢复布局");
        EXPECT_NE(rows[0].detail.find("DeskState.ini"), std::string::npos);
        // The built-in layout, and the desk starts.
        EXPECT_EQ(subAccounts(t)->horizontalHeader()->logicalIndex(0), 0);
    }
    QObject::connect(t.window.get(), &gui::MainWindow::loggedIn, [&t] { t.loggedIn = true; });
    t.loggedIn = false;
    EXPECT_TRUE(t.loginAs("admin", "admin"));
}

}  // namespace
}  // namespace korvant::test
