#include "gui/widgets/ListTableModel.h"

#include <algorithm>

namespace korvant::gui {

ListTableModel::ListTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void ListTableModel::setCaptions(const std::vector<std::string>& captions) {
    beginResetModel();
    captions_.clear();
    for (const auto& caption : captions) captions_ << QString::fromStdString(caption);
    endResetModel();
}

void ListTableModel::setRows(const std::vector<std::vector<std::string>>& rows, int records) {
    beginResetModel();
    records_ = records < 0 ? static_cast<int>(rows.size())
                           : std::min(records, static_cast<int>(rows.size()));
    rows_.clear();
    rows_.reserve(rows.size());
    for (const auto& row : rows) {
        QStringList cells;
        cells.reserve(static_cast<qsizetype>(row.size()));
        for (const auto& cell : row) cells << QString::fromStdString(cell);
        rows_.push_back(std::move(cells));
    }
    endResetModel();
}

QString ListTableModel::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0) return {};
    const QStringList& cells = rows_[static_cast<std::size_t>(row)];
    return column < cells.size() ? cells[column] : QString();
}

int ListTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ListTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return cell(index.row(), index.column());
}

Qt::ItemFlags ListTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    if (index.row() >= records_) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    if (section < 0 || section >= captions_.size()) return {};
    return captions_[section];
}

}  // namespace korvant::gui
