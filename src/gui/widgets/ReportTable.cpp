#include "gui/widgets/ReportTable.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QTableView>

#include <algorithm>
#include <functional>

#include "app/pages/ReportPage.h"
#include "app/pages/RowCopy.h"
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
const char* const ListKeysName = "listKeys";
const char* const ColumnWidthsName = "columnWidths";

// The keys of a list. The view copies its current cell on Ctrl+C by itself;
// the list copies its chosen rows instead. Enter and Delete run the list's
// "修改" and "删除" where it has them (setListKeys), and only then: a list
// without them passes the keys on.
class ListKeyFilter : public QObject {
public:
    ListKeyFilter(QAction* copy, QObject* parent) : QObject(parent), copy_(copy) {
        setObjectName(QLatin1String(ListKeysName));
    }
    std::function<void()> open;
    std::function<void()> remove;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copy_->trigger();
            return true;
        }
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (plain && enter && open) {
            open();
            return true;
        }
        if (plain && key->key() == Qt::Key_Delete && remove) {
            remove();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAction* copy_;
};

// The columns whose width the user set (dragged, or restored from the
// remembered layout): a new page never widens them. The desk's own resizing
// runs inside `ownResize`.
class ColumnWidths : public QObject {
public:
    explicit ColumnWidths(QObject* parent) : QObject(parent) {
        setObjectName(QLatin1String(ColumnWidthsName));
    }
    QSet<int> userSet;
    bool ownResize = false;
};

ColumnWidths* columnWidths(QTableView& table) {
    return table.findChild<ColumnWidths*>(QLatin1String(ColumnWidthsName),
                                          Qt::FindDirectChildrenOnly);
}

// Sets a width as the desk's own, not the user's.
void setOwnWidth(QTableView& table, int column, int width) {
    ColumnWidths* widths = columnWidths(table);
    if (widths != nullptr) widths->ownResize = true;
    table.setColumnWidth(column, width);
    if (widths != nullptr) widths->ownResize = false;
}

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
    table.installEventFilter(new ListKeyFilter(copy, &table));
    auto* widths = new ColumnWidths(&table);
    QObject::connect(table.horizontalHeader(), &QHeaderView::sectionResized, widths,
                     [widths](int logical, int, int) {
                         if (!widths->ownResize) widths->userSet.insert(logical);
                     });
    if (table.contextMenuPolicy() == Qt::DefaultContextMenu)
        table.setContextMenuPolicy(Qt::ActionsContextMenu);

    QHeaderView* header = table.horizontalHeader();
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(
        header, &QHeaderView::customContextMenuRequested, &table,
        [&table, header](const QPoint& at) {
            const ReportPageModel* model = reportModel(table);
            if (model == nullptr) return;
            const std::vector<ReportColumn>& columns = model->page().columns();
            QMenu menu(&table);
            const auto shown = static_cast<int>(shownColumns(table).size());
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (columns[i].hidden) continue;
                const int section = static_cast<int>(i);
                QAction* item = menu.addAction(QString::fromStdString(columns[i].caption));
                item->setCheckable(true);
                item->setChecked(!table.isColumnHidden(section));
                item->setEnabled(table.isColumnHidden(section) || shown > 1);
                QObject::connect(item, &QAction::toggled, &table, [&table, section](bool on) {
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
    applyBuiltInColumns(table);
    return model;
}

void applyBuiltInColumns(QTableView& table) {
    const ReportPageModel* model = reportModel(table);
    if (model == nullptr) return;
    QHeaderView* header = table.horizontalHeader();
    // The columns in the page's order.
    for (int logical = 0; logical < header->count(); ++logical)
        if (header->visualIndex(logical) != logical)
            header->moveSection(header->visualIndex(logical), logical);
    const QFontMetrics metrics = header->fontMetrics();
    const std::vector<ReportColumn>& columns = model->page().columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int section = static_cast<int>(i);
        table.setColumnHidden(section, columns[i].hidden);
        if (columns[i].hidden) continue;
        // The given width, but never narrower than the caption.
        const int captionWidth =
            metrics.horizontalAdvance(QString::fromStdString(columns[i].caption)) + 16;
        setOwnWidth(table, section, std::max(columns[i].width, captionWidth));
    }
    if (ColumnWidths* widths = columnWidths(table)) widths->userSet.clear();
}

bool restoreListHeader(QTableView& table, const QByteArray& state) {
    const ReportPageModel* model = reportModel(table);
    if (model == nullptr || state.isEmpty()) return false;
    QHeaderView* header = table.horizontalHeader();
    ColumnWidths* widths = columnWidths(table);
    if (widths != nullptr) widths->ownResize = true;
    const bool restored = header->restoreState(state);
    if (widths != nullptr) widths->ownResize = false;
    if (!restored || header->count() != model->columnCount()) {
        applyBuiltInColumns(table);
        return false;
    }
    // The page's own hidden columns stay hidden, and one column stays shown.
    const std::vector<ReportColumn>& columns = model->page().columns();
    bool anyShown = false;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int section = static_cast<int>(i);
        if (columns[i].hidden) table.setColumnHidden(section, true);
        anyShown = anyShown || !table.isColumnHidden(section);
    }
    if (!anyShown) {
        applyBuiltInColumns(table);
        return false;
    }
    if (widths != nullptr)
        for (int section = 0; section < header->count(); ++section)
            if (!table.isColumnHidden(section)) widths->userSet.insert(section);
    return true;
}

void setListKeys(QTableView& table, std::function<void()> open, std::function<void()> remove) {
    auto* keys =
        table.findChild<ListKeyFilter*>(QLatin1String(ListKeysName), Qt::FindDirectChildrenOnly);
    if (keys == nullptr) return;
    keys->open = std::move(open);
    keys->remove = std::move(remove);
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
    // not fit, never narrow one, and leave the widths the user set.
    const ColumnWidths* widths = columnWidths(table);
    for (int column = 0; column < model->columnCount(); ++column) {
        if (table.isColumnHidden(column)) continue;
        if (widths != nullptr && widths->userSet.contains(column)) continue;
        // (The view's own measure, reached through its public base.)
        const int wanted = static_cast<const QAbstractItemView&>(table).sizeHintForColumn(column);
        if (wanted > table.columnWidth(column)) setOwnWidth(table, column, wanted);
    }
}

void showSortIndicator(QTableView& table, int column, bool ascending) {
    QHeaderView* header = table.horizontalHeader();
    header->setSortIndicatorShown(column >= 0);
    if (column >= 0)
        header->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

}  // namespace korvant::gui
