// The desk's look against the demo simulator: the toolbar's icons and the
// enabled state of New / Modify / Delete, the search bar at 1 000 px, the
// navigation splitter remembered, lists that keep their selection across a
// refresh and never select their filler and page rows, the page field
// following the pager, message boxes as wide as their captions.
#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QSplitter>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <QTreeView>

#include <gtest/gtest.h>

#include "app/desk/Desk.h"
#include "gui/GuiHarness.h"
#include "gui/compose/WindowParts.h"
#include "gui/shell/AccountListView.h"
#include "gui/shell/ContentPanel.h"
#include "gui/shell/NavigationPanel.h"
#include "gui/shell/PagerBar.h"
#include "gui/shell/QtPort.h"
#include "gui/shell/QtTranslations.h"
#include "gui/shell/SearchBar.h"
#include "gui/widgets/FieldWidths.h"
#include "gui/widgets/GbkLengthValidator.h"
#include "gui/widgets/NodeTreeModel.h"
#include "gui/widgets/ReportPageModel.h"
#include "view/ToolbarCommand.h"

namespace korvant::test {
namespace {

class DeskLookTest : public ::testing::Test {
protected:
    void login() { ASSERT_TRUE(t.loginAs("admin", "admin")); }
    void selectGroup(int groupId) {
        EXPECT_TRUE(t.selectGroup(groupId)) << "no node for group " << groupId;
    }
    gui::ContentPanel* content() { return t.window->content(); }
    gui::AccountListView* subAccounts() { return content()->list(AccountList::SubAccounts); }
    bool enabled(gui::ToolbarCode code) { return content()->toolButton(code)->isEnabled(); }

    DeskUnderTest t;
};

// Whether `widget` lies wholly inside the window and is shown.
bool wholeOnScreen(QWidget* widget, QWidget* window) {
    if (!widget->isVisible()) return false;
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    return window->rect().contains(area);
}

TEST_F(DeskLookTest, ToolbarButtonsHaveIconsAndAreEnabledOnlyWhenTheyAct) {
    login();
    for (const gui::ToolbarButton& entry : gui::toolbarButtons()) {
        QToolButton* button = content()->toolButton(entry.code);
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->icon().isNull()) << entry.caption;
        EXPECT_FALSE(button->icon().pixmap(20, 20).isNull()) << entry.caption;
    }
    using gui::ToolbarCode;
    // Sub-accounts of a second-level group: New at once, Modify and Delete
    // once a record is selected.
    selectGroup(5);
    content()->threeTabStrip()->setCurrentIndex(2);
    EXPECT_TRUE(enabled(ToolbarCode::New));
    EXPECT_FALSE(enabled(ToolbarCode::Modify));
    EXPECT_FALSE(enabled(ToolbarCode::Delete));
    subAccounts()->selectRow(0);
    EXPECT_TRUE(enabled(ToolbarCode::Modify));
    EXPECT_TRUE(enabled(ToolbarCode::Delete));
    // The main-account tab says why it refuses Modify and Delete.
    content()->threeTabStrip()->setCurrentIndex(0);
    EXPECT_TRUE(enabled(ToolbarCode::Modify));
    content()->toolButton(ToolbarCode::Delete)->click();
    ASSERT_EQ(t.driver.messages.size(), 1u);
    EXPECT_EQ(t.driver.messages[0], "主账号不允许删除");
    // A view without New and Delete has them off; a disabled button does
    // nothing when clicked.
    t.window->viewAction(ViewKind::FeeRates)->trigger();
    EXPECT_FALSE(enabled(ToolbarCode::New));
    EXPECT_FALSE(enabled(ToolbarCode::Delete));
    t.driver.messages.clear();
    content()->toolButton(ToolbarCode::New)->click();
    EXPECT_TRUE(t.driver.messages.empty());
    EXPECT_EQ(t.driver.abandoned, 0);
}

TEST_F(DeskLookTest, SearchBarAndButtonsStayVisibleAt1000Pixels) {
    login();
    for (int width : {1000, 1200}) {
        t.window->resize(width, 700);
        ASSERT_TRUE(waitUntil([&] { return t.window->width() == width; }, 2000));
        QCoreApplication::processEvents();
        gui::SearchBar* search = content()->searchBar();
        EXPECT_TRUE(wholeOnScreen(search, t.window.get())) << width;
        EXPECT_TRUE(wholeOnScreen(search->keywordEdit(), t.window.get())) << width;
        EXPECT_TRUE(wholeOnScreen(search->advancedButton(), t.window.get())) << width;
        for (const gui::ToolbarButton& entry : gui::toolbarButtons())
            EXPECT_TRUE(wholeOnScreen(content()->toolButton(entry.code), t.window.get()))
                << entry.caption << " at " << width;
    }
}

TEST_F(DeskLookTest, TheNavigationWidthIsRemembered) {
    QSplitter* splitter = t.window->panelSplitter();
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(splitter->widget(0), t.window->navigation());
    splitter->setSizes({333, 867});
    ASSERT_EQ(splitter->sizes().front(), 333);
    // A new window over the same folder opens with the width dragged to.
    t.window.reset();
    t.window = std::make_unique<gui::MainWindow>(*t.desk, *t.port, gui::deskWindowParts());
    t.window->resize(1200, 800);
    t.window->show();
    QCoreApplication::processEvents();
    EXPECT_NEAR(t.window->panelSplitter()->sizes().front(), 333, 2);
}

TEST_F(DeskLookTest, ListsKeepTheirSelectionAndNeverSelectFillerRows) {
    login();
    selectGroup(5);
    content()->threeTabStrip()->setCurrentIndex(2);
    gui::AccountListView* list = subAccounts();
    const int records = t.desk->accounts().subAccounts.count();
    ASSERT_GE(records, 2);
    ASSERT_EQ(list->rows(), records + 2);
    // The empty row and the page row take no selection.
    list->selectAll();
    EXPECT_EQ(static_cast<int>(list->selectedRecordRows().size()), records);
    EXPECT_EQ(static_cast<int>(t.state().selectedRows.size()), records);
    EXPECT_FALSE(list->listModel()->flags(list->listModel()->index(records + 1, 0)) &
                 Qt::ItemIsSelectable);
    // Every list has the same row height.
    EXPECT_EQ(list->verticalHeader()->defaultSectionSize(),
              content()->list(AccountList::Administrators)->verticalHeader()->defaultSectionSize());

    // The refresh command reads the list again; the record stays selected.
    list->clearSelection();
    list->selectRow(1);
    const QString key = list->cell(1, 0);
    content()->refreshButton()->click();
    ASSERT_TRUE(waitUntil([&] { return list->rows() == records + 2; }, 5000));
    ASSERT_EQ(t.state().selectedRows.size(), 1u);
    const int kept = t.state().selectedRows.front();
    EXPECT_EQ(list->cell(kept, 0), key);
    EXPECT_EQ(list->selectedRecordRows(), std::vector<int>{kept});
    // The buttons follow the core: after the refresh no group is chosen.
    EXPECT_EQ(enabled(gui::ToolbarCode::Modify),
              toolbarCommandAvailable(t.window->view(), ToolbarCommand::Modify));
}

TEST_F(DeskLookTest, ThePageFieldFollowsThePagerButtons) {
    login();
    selectGroup(5);
    content()->threeTabStrip()->setCurrentIndex(2);
    content()->searchBar()->rangeCombo()->setCurrentIndex(0);
    content()->searchBar()->searchButton()->click();
    gui::PagerBar* pager = content()->pager();
    ASSERT_EQ(pager->label(), QStringLiteral("当前第1/2页"));
    EXPECT_EQ(pager->pageField()->value(), 1);
    pager->nextButton()->click();
    EXPECT_EQ(pager->pageField()->value(), 2);
    pager->firstButton()->click();
    EXPECT_EQ(pager->pageField()->value(), 1);
}

TEST_F(DeskLookTest, MessageBoxesAreAsWideAsTheirCaptions) {
    const std::string caption = "一个很长很长的标题，比消息本身长得多得多得多";
    int width = 0;
    int captionWidth = 0;
    t.driver.then([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) return false;
        width = box->width();
        captionWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
        box->done(QMessageBox::Ok);
        return true;
    });
    t.port->showMessage({"好", caption, MessageIcon::Information});
    ASSERT_GT(captionWidth, 0);
    EXPECT_GE(width, captionWidth + gui::QtPort::CaptionRoom);
}

// Form fields are as wide as what they accept (a 63-byte remark is not a
// 125-pixel field), never narrower than set; a long list shows a dozen
// readable rows.
TEST(FieldWidths, FieldsAndListsFitWhatTheyHold) {
    guiApplication();
    QWidget form;
    auto* remark = new QLineEdit(&form);
    remark->setValidator(new gui::GbkLengthValidator(63, remark));
    auto* code = new QLineEdit(&form);
    code->setMaxLength(6);
    code->setMinimumWidth(300);
    auto* free = new QLineEdit(&form);
    auto* permissions = new QListWidget(&form);
    for (int i = 0; i < 20; ++i)
        permissions->addItem(QStringLiteral("允许修改子账号的保证金率模板 %1").arg(i));
    gui::fitFieldWidths(&form);
    const int average = remark->fontMetrics().averageCharWidth();
    EXPECT_GE(remark->minimumWidth(), gui::WidestFieldChars * average);
    EXPECT_EQ(code->minimumWidth(), 300);  // never narrowed
    EXPECT_EQ(free->minimumWidth(), 0);    // unbounded: left alone
    EXPECT_GE(permissions->minimumHeight(), gui::FormListRows * permissions->sizeHintForRow(0));
    EXPECT_GE(permissions->minimumWidth(), permissions->sizeHintForColumn(0));
}

// Qt's own texts in the file dialog come in Chinese: from Qt's translations
// where they have them, else from the desk's own table.
TEST(QtTranslations, TheFileDialogSpeaksChinese) {
    QApplication& app = guiApplication();
    QTranslator* translator = gui::installQtTranslations(app);
    ASSERT_NE(translator, nullptr);
    const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
    {
        QFileDialog dialog(nullptr, QStringLiteral("导出"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        for (auto label : {QFileDialog::LookIn, QFileDialog::FileName, QFileDialog::FileType,
                           QFileDialog::Accept, QFileDialog::Reject})
            EXPECT_TRUE(dialog.labelText(label).contains(chinese))
                << dialog.labelText(label).toStdString();
        auto* list = dialog.findChild<QTreeView*>();
        ASSERT_NE(list, nullptr);
        const QString firstColumn = list->model()->headerData(0, Qt::Horizontal).toString();
        EXPECT_TRUE(firstColumn.contains(chinese)) << firstColumn.toStdString();
    }
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

// Texts are not cut without a sign: the search range as wide as the group's
// name with the name as its tooltip, tree names cut in the middle with the
// whole name as a tooltip, headers never narrower than their captions.
TEST_F(DeskLookTest, CutTextsAreElidedInTheMiddleAndReadWholeInTooltips) {
    login();
    selectGroup(5);
    QComboBox* range = content()->searchBar()->rangeCombo();
    const QString name = range->currentText();
    ASSERT_FALSE(name.isEmpty());
    EXPECT_EQ(range->toolTip(), name);
    EXPECT_GE(range->sizeHint().width(), range->fontMetrics().horizontalAdvance(name));
    QTreeView* groups = t.window->navigation()->groupTree();
    EXPECT_EQ(groups->textElideMode(), Qt::ElideMiddle);
    const QModelIndex node = groups->currentIndex();
    EXPECT_EQ(node.data(Qt::ToolTipRole), node.data(Qt::DisplayRole));
    content()->threeTabStrip()->setCurrentIndex(2);
    gui::AccountListView* list = subAccounts();
    for (int column = 0; column < list->model()->columnCount(); ++column) {
        if (list->isColumnHidden(column)) continue;
        const QString caption = list->model()->headerData(column, Qt::Horizontal).toString();
        EXPECT_GE(list->columnWidth(column), list->fontMetrics().horizontalAdvance(caption))
            << caption.toStdString();
    }
}

// Dates and names in Chinese; a file filter that names its pattern is not
// given it a second time.
TEST(ChineseDesk, CalendarsInChineseAndFiltersNamedOnce) {
    guiApplication();
    QCalendarWidget calendar;
    EXPECT_EQ(calendar.locale().monthName(12), QStringLiteral("十二月"));
    EXPECT_EQ(calendar.locale().dayName(1, QLocale::ShortFormat), QStringLiteral("周一"));
    struct Case {
        std::vector<FileFilter> filters;
        const char* text;
    };
    const Case cases[] = {
        {{{"文本文件(*.csv)", "*.csv"}}, "文本文件(*.csv)"},
        {{{"CSV 文件", "*.csv"}, {"所有文件", "*.*"}}, "CSV 文件 (*.csv);;所有文件 (*.*)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gui::fileDialogFilter(c.filters), QString::fromUtf8(c.text));
}

}  // namespace
}  // namespace korvant::test
