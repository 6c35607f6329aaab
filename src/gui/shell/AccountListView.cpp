#include "gui/shell/AccountListView.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelection>
#include <QSet>

#include <algorithm>

#include "gui/widgets/ListTableModel.h"
#include "gui/widgets/ListViewStyle.h"

namespace korvant::gui {

AccountListView::AccountListView(std::span<const ListColumn> columns, QWidget* parent)
    : QTableView(parent), model_(new ListTableModel(this)) {
    std::vector<std::string> captions;
    for (const auto& column : columns) captions.emplace_back(column.caption);
    model_->setCaptions(captions);
    setModel(model_);
    styleReportList(this);
    setContextMenuPolicy(Qt::CustomContextMenu);
    QFontMetrics metrics = horizontalHeader()->fontMetrics();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        int section = static_cast<int>(i);
        if (columns[i].hidden) {
            setColumnHidden(section, true);
            continue;
        }
        // The given width, but never narrower than the caption.
        int captionWidth = metrics.horizontalAdvance(QString::fromUtf8(columns[i].caption)) + 16;
        setColumnWidth(section, std::max(columns[i].width, captionWidth));
    }
}

void AccountListView::setRows(const std::vector<std::vector<std::string>>& rows, int records) {
    QSet<QString> keys;
    for (int row : selectedRecordRows()) keys.insert(model_->cell(row, 0));
    model_->setRows(rows, records);
    if (!keys.isEmpty()) {
        QItemSelection kept;
        for (int row = 0; row < model_->records(); ++row)
            if (keys.contains(model_->cell(row, 0)))
                kept.select(model_->index(row, 0), model_->index(row, model_->columnCount() - 1));
        selectionModel()->select(kept, QItemSelectionModel::ClearAndSelect);
    }
    // A page holds a few dozen rows: widen a column whose texts do not fit,
    // never narrow one the user has set.
    for (int column = 0; column < model_->columnCount(); ++column) {
        if (isColumnHidden(column)) continue;
        int wanted = sizeHintForColumn(column);
        if (wanted > columnWidth(column)) setColumnWidth(column, wanted);
    }
}

std::vector<int> AccountListView::selectedRecordRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        if (index.row() < model_->records()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int AccountListView::rows() const {
    return model_->rowCount();
}

QString AccountListView::cell(int row, int column) const {
    return model_->cell(row, column);
}

}  // namespace korvant::gui
