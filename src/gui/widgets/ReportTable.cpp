#include "gui/widgets/ReportTable.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QItemSelection>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QTableView>

#include <algorithm>

#include "app/ReportPage.h"
#include "app/RowCopy.h"
#include "gui/widgets/ListViewStyle.h"
#include "gui/widgets/ReportItemDelegate.h"
#include "gui/widgets/ReportPageModel.h"

namespace korvant::gui {
namespace {

const char* const EmptyStateName = "emptyState";

// The line shown over an empty list once a page of it has been read.
QLabel* emptyState(QTableView& table) {
    auto* line = table.viewport()->findChild<QLabel*>(QLatin1String(EmptyStateName),
                                                      Qt::FindDirectChildrenOnly);
    if (line != nullptr) return line;
    line = new QLabel(QStringLiteral("没有记录"), table.viewport());
    line->setObjectName(QLatin1String(EmptyStateName));
    line->setEnabled(false);
    line->move(8, 6);
    line->adjustSize();
    line->hide();
    return line;
}

const char* const CopyActionName = "copyRows";

// The view copies its current cell on Ctrl+C by itself; the list copies its
// chosen rows instead.
class CopyKeyFilter : public QObject {
public:
    CopyKeyFilter(QAction* copy, QObject* parent) : QObject(parent), copy_(copy) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            copy_->trigger();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAction* copy_;
};

// The columns on screen, in the order the header shows them.
std::vector<int> shownColumns(const QTableView& table) {
    std::vector<int> columns;
    const QHeaderView* header = table.horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!table.isColumnHidden(logical)) columns.push_back(logical);
    }
    return columns;
}

// Ctrl+C (and "复制" where the list has no menu of its own): the chosen
// rows with the header line as tab-separated text. A right click on the
// header lists the columns to show or hide; the page's own hidden columns
// are not offered, and the last one shown stays.
void addListCommands(QTableView& table) {
    if (table.findChild<QAction*>(QLatin1String(CopyActionName), Qt::FindDirectChildrenOnly))
        return;
    auto* copy = new QAction(QStringLiteral("复制"), &table);
    copy->setObjectName(QLatin1String(CopyActionName));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copy, &QAction::triggered, &table, [&table] {
        const ReportPageModel* model = reportModel(table);
        const std::vector<int> rows = selectedReportRows(table);
        if (model == nullptr || rows.empty()) return;
        const std::string text = rowsAsTabText(model->page(), rows, shownColumns(table));
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    });
    table.addAction(copy);
    table.installEventFilter(new CopyKeyFilter(copy, &table));
    if (table.contextMenuPolicy() == Qt::DefaultContextMenu)
        table.setContextMenuPolicy(Qt::ActionsContextMenu);

    QHeaderView* header = table.horizontalHeader();
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(header, &QHeaderView::customContextMenuRequested, &table,
                     [&table, header](const QPoint& at) {
                         const ReportPageModel* model = reportModel(table);
                         if (model == nullptr) return;
                         const std::vector<ReportColumn>& columns = model->page().columns();
                         QMenu menu(&table);
                         const auto shown = static_cast<int>(shownColumns(table).size());
                         for (std::size_t i = 0; i < columns.size(); ++i) {
                             if (columns[i].hidden) continue;
                             const int section = static_cast<int>(i);
                             QAction* item =
                                 menu.addAction(QString::fromStdString(columns[i].caption));
                             item->setCheckable(true);
                             item->setChecked(!table.isColumnHidden(section));
                             item->setEnabled(table.isColumnHidden(section) || shown > 1);
                             QObject::connect(item, &QAction::toggled, &table,
                                              [&table, section](bool on) {
                                                  table.setColumnHidden(section, !on);
                                              });
                         }
                         menu.exec(header->mapToGlobal(at));
                     });
}

}  // namespace

ReportPageModel* reportModel(const QTableView& table) {
    return qobject_cast<ReportPageModel*>(table.model());
}

ReportPageModel* setUpReportTable(QTableView& table, const ReportPage& page) {
    if (ReportPageModel* model = reportModel(table); model != nullptr && &model->page() == &page)
        return model;
    auto* model = new ReportPageModel(page, &table);
    table.setModel(model);
    if (qobject_cast<ReportItemDelegate*>(table.itemDelegate()) == nullptr)
        table.setItemDelegate(new ReportItemDelegate(&table));
    styleReportList(&table);
    addListCommands(table);
    table.setTextElideMode(Qt::ElideMiddle);
    const QFontMetrics metrics = table.horizontalHeader()->fontMetrics();
    const std::vector<ReportColumn>& columns = page.columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int section = static_cast<int>(i);
        table.setColumnHidden(section, columns[i].hidden);
        if (columns[i].hidden) continue;
        // The given width, but never narrower than the caption.
        const int captionWidth =
            metrics.horizontalAdvance(QString::fromStdString(columns[i].caption)) + 16;
        table.setColumnWidth(section, std::max(columns[i].width, captionWidth));
    }
    return model;
}

std::vector<int> selectedReportRows(const QTableView& table) {
    std::vector<int> rows;
    const ReportPageModel* model = reportModel(table);
    if (model == nullptr || table.selectionModel() == nullptr) return rows;
    for (const QModelIndex& index : table.selectionModel()->selectedRows())
        if (index.row() < model->records()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void fillReportTable(QTableView& table, const ReportPage& page) {
    ReportPageModel* model = setUpReportTable(table, page);
    QSet<QString> keys;
    for (int row : selectedReportRows(table)) keys.insert(model->rowKey(row));
    model->refresh();
    emptyState(table)->setVisible(model->rowCount() == 0 && page.cursor().last >= 0);
    if (!keys.isEmpty()) {
        QItemSelection kept;
        for (int row = 0; row < model->records(); ++row)
            if (keys.contains(model->rowKey(row)))
                kept.select(model->index(row, 0), model->index(row, model->columnCount() - 1));
        table.selectionModel()->select(kept, QItemSelectionModel::ClearAndSelect);
    }
    // A page holds a few hundred rows at most: widen a column whose texts do
    // not fit, never narrow one the user has set.
    for (int column = 0; column < model->columnCount(); ++column) {
        if (table.isColumnHidden(column)) continue;
        // (The view's own measure, reached through its public base.)
        const int wanted = static_cast<const QAbstractItemView&>(table).sizeHintForColumn(column);
        if (wanted > table.columnWidth(column)) table.setColumnWidth(column, wanted);
    }
}

void showSortIndicator(QTableView& table, int column, bool ascending) {
    QHeaderView* header = table.horizontalHeader();
    header->setSortIndicatorShown(column >= 0);
    if (column >= 0)
        header->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

}  // namespace korvant::gui
