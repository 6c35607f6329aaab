#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <vector>

namespace korvant {
class ReportPage;
}

namespace korvant::gui {

// The one table model of the desk: it draws a core ReportPage (its columns,
// the cells of the rows on screen and its page label). Every list of the
// desk goes through it; a view is set up with `setUpReportTable` and
// redrawn with `fillReportTable` (widgets/ReportTable.h), which also give it
// the row height, header alignment, the delegate (tooltips on cut-off
// cells) and keep the chosen rows across a redraw.
//
// - `refresh()` reads the page again in one reset: call it whenever the
//   core has changed the page.
// - `cell`, `records`: what is drawn; rows from `records()` on (a filler
//   row, a page row) cannot be chosen.
// - `pageLabel()` and `pageLabelChanged`: the label of the page on screen,
//   read in the same refresh as its rows, so that the two never disagree.
// - `setEditor(column, edit)`: makes one column editable; a finished edit
//   calls `edit(row, text)`, and the caller redraws from the core.
class ReportPageModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Editor = std::function<void(int row, const QString& text)>;

    explicit ReportPageModel(const ReportPage& page, QObject* parent = nullptr);

    const ReportPage& page() const { return *page_; }
    void refresh();
    QString cell(int row, int column) const;
    // The page's key of a row (ReportPage::rowKey).
    QString rowKey(int row) const;
    int records() const { return records_; }
    QString pageLabel() const { return label_; }
    void setEditor(int column, Editor edit);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void pageLabelChanged(const QString& label);

private:
    const ReportPage* page_;
    QStringList captions_;
    std::vector<QStringList> rows_;
    QStringList keys_;
    int records_ = 0;
    QString label_;
    int editColumn_ = -1;
    Editor edit_;
};

}  // namespace korvant::gui
