#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <string>
#include <vector>

namespace korvant::gui {

// The rows of one list exactly as the core formats them: column captions
// and cell texts. The model is refilled in one reset whenever its cache
// changes.
class ListTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ListTableModel(QObject* parent = nullptr);

    void setCaptions(const std::vector<std::string>& captions);
    // `records` of the rows are records; the rows after them (a filler row,
    // the page row) cannot be selected. -1: all rows are records.
    void setRows(const std::vector<std::vector<std::string>>& rows, int records = -1);
    int records() const { return records_; }
    const QStringList& captions() const { return captions_; }
    QString cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList captions_;
    std::vector<QStringList> rows_;
    int records_ = 0;
};

}  // namespace korvant::gui
