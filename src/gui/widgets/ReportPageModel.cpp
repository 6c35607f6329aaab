#include "gui/widgets/ReportPageModel.h"

#include <algorithm>

#include "app/pages/ReportPage.h"

namespace korvant::gui {

ReportPageModel::ReportPageModel(const ReportPage& page, QObject* parent)
    : QAbstractTableModel(parent), page_(&page) {
    refresh();
}

void ReportPageModel::refresh() {
    beginResetModel();
    captions_.clear();
    for (const ReportColumn& column : page_->columns())
        captions_ << QString::fromStdString(column.caption);
    const int rows = std::max(page_->rowCount(), 0);
    rows_.clear();
    rows_.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        QStringList cells;
        for (const std::string& cell : page_->cells(row)) cells << QString::fromStdString(cell);
        rows_.push_back(std::move(cells));
    }
    records_ = std::clamp(page_->recordCount(), 0, rows);
    keys_.clear();
    for (int row = 0; row < records_; ++row) keys_ << QString::fromStdString(page_->rowKey(row));
    endResetModel();
    const QString label = QString::fromStdString(page_->pageLabel());
    if (label != label_) {
        label_ = label;
        emit pageLabelChanged(label_);
    }
}

QString ReportPageModel::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0) return {};
    const QStringList& cells = rows_[static_cast<std::size_t>(row)];
    return column < cells.size() ? cells[column] : QString();
}

QString ReportPageModel::rowKey(int row) const {
    return row >= 0 && row < keys_.size() ? keys_[row] : QString();
}

void ReportPageModel::setEditor(int column, Editor edit) {
    editColumn_ = column;
    edit_ = std::move(edit);
}

int ReportPageModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ReportPageModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant ReportPageModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return cell(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        default:
            return {};
    }
}

bool ReportPageModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != editColumn_ || !edit_ ||
        index.row() >= records_)
        return false;
    edit_(index.row(), value.toString());
    return true;
}

Qt::ItemFlags ReportPageModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (index.row() >= records_) return Qt::ItemIsEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == editColumn_ && edit_) flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant ReportPageModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= captions_.size()) return {};
    // The whole caption as a tooltip: a narrowed column cuts its header.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return captions_[section];
    return {};
}

}  // namespace korvant::gui
