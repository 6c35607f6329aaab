// Every list copies its chosen rows for a spreadsheet (Ctrl+C) and lets the
// user hide columns from its header's menu.
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "app/pages/FixedRowsPage.h"
#include "app/pages/RowCopy.h"
#include "gui/GuiHarness.h"
#include "gui/widgets/ReportTable.h"

namespace korvant::test {
namespace {

FixedRowsPage threeRows() {
    FixedRowsPage page;
    page.columnList = {{"账号", 80}, {"名称", 80}, {"内部", 80, true}, {"备注", 80}};
    page.rows = {
        {"001", "甲", "x", "a\tb"}, {"002", "乙", "y", "line\nbreak"}, {"003", "丙", "z", ""}};
    return page;
}

TEST(ListCopy, TabTextOfTheChosenRowsAndColumns) {
    const FixedRowsPage page = threeRows();
    EXPECT_EQ(rowsAsTabText(page, {0, 1}, {0, 1, 3}),
              "账号\t名称\t备注\n001\t甲\ta b\n002\t乙\tline break\n");
    // Columns in the order shown; rows and columns the page lacks left out.
    EXPECT_EQ(rowsAsTabText(page, {2, 7}, {1, 0, 9}), "名称\t账号\n丙\t003\n");
}

TEST(ListCopy, CtrlCCopiesTheRowsShownWithTheirHeader) {
    guiApplication();
    const FixedRowsPage page = threeRows();
    QTableView table;
    gui::fillReportTable(table, page);
    table.show();
    table.setColumnHidden(1, true);  // as the header's menu hides "名称"
    table.selectRow(0);
    table.selectionModel()->select(table.model()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QGuiApplication::clipboard()->clear();
    table.setFocus();
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "账号\t备注\n001\ta b\n003\t\n");
}

}  // namespace
}  // namespace korvant::test

namespace korvant::test {
namespace {

// A double click on the border at a column's right end fits the column to
// its texts (Qt's header does it; the desk keeps it so).
TEST(ListCopy, ADoubleClickOnAHeaderBorderFitsTheColumn) {
    guiApplication();
    FixedRowsPage page;
    page.columnList = {{"账号", 80}, {"名称", 80}, {"备注", 80}};
    page.rows = {{"001", "一个相当长的名称，比列宽长得多", ""}};
    QTableView table;
    gui::fillReportTable(table, page);
    table.resize(600, 200);
    table.show();
    QHeaderView* header = table.horizontalHeader();
    header->resizeSection(1, 30);
    const QPoint border(header->sectionViewportPosition(1) + header->sectionSize(1) - 1,
                        header->height() / 2);
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, border);
    EXPECT_EQ(header->sectionSize(1),
              static_cast<const QAbstractItemView&>(table).sizeHintForColumn(1));
    EXPECT_GT(header->sectionSize(1), 100);
}

}  // namespace
}  // namespace korvant::test
