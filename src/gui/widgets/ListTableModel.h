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
    void setRows(const std::vector<std::vector<std::string>>& rows);
    const QStringList& captions() const { return captions_; }
    QString cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList captions_;
    std::vector<QStringList> rows_;
};

}  // namespace korvant::gui
