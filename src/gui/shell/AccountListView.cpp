#include "gui/shell/AccountListView.h"

#include <QFontMetrics>
#include <QHeaderView>

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

void AccountListView::setRows(const std::vector<std::vector<std::string>>& rows) {
    model_->setRows(rows);
    // A page holds a few dozen rows: widen a column whose texts do not fit,
    // never narrow one the user has set.
    for (int column = 0; column < model_->columnCount(); ++column) {
        if (isColumnHidden(column)) continue;
        int wanted = sizeHintForColumn(column);
        if (wanted > columnWidth(column)) setColumnWidth(column, wanted);
    }
}

int AccountListView::rows() const {
    return model_->rowCount();
}

QString AccountListView::cell(int row, int column) const {
    return model_->cell(row, column);
}

}  // namespace korvant::gui
