#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "model/SubAccount.h"

namespace korvant::gui {

class ListTableModel;

// "子账号列表": the sub-accounts that use one main account, filled page by
// page while the core reads them.
class LinkedSubAccountsWindow : public QDialog {
    Q_OBJECT
public:
    explicit LinkedSubAccountsWindow(QWidget* parent = nullptr);

    void setAccounts(const std::vector<SubAccount>& accounts);
    int rows() const;

private:
    ListTableModel* model_;
};

}  // namespace korvant::gui
