#pragma once

#include <QTableView>

#include <span>
#include <string>
#include <vector>

#include "model/AccountColumns.h"

namespace korvant::gui {

class ListTableModel;

// One account list of the accounts view (main accounts, administrators,
// main-account links or sub-accounts): the columns the core defines, hidden
// ones hidden, and the rows as the core formats them.
class AccountListView : public QTableView {
    Q_OBJECT
public:
    explicit AccountListView(std::span<const ListColumn> columns, QWidget* parent = nullptr);

    // The first `records` rows are records (-1: all); the rows after them
    // cannot be selected. The records selected before whose key (the first
    // column) is still listed stay selected.
    void setRows(const std::vector<std::vector<std::string>>& rows, int records = -1);
    // The selected record rows, ascending.
    std::vector<int> selectedRecordRows() const;
    const ListTableModel* listModel() const { return model_; }
    int rows() const;
    QString cell(int row, int column) const;

private:
    ListTableModel* model_;
};

}  // namespace korvant::gui
