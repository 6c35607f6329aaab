#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "app/FixedRowsPage.h"
#include "model/SubAccount.h"

class QTableView;

namespace korvant::gui {

// "子账号列表": the sub-accounts that use one main account, filled page by
// page while the core reads them.
class LinkedSubAccountsWindow : public QDialog {
    Q_OBJECT
public:
    explicit LinkedSubAccountsWindow(QWidget* parent = nullptr);

    void setAccounts(const std::vector<SubAccount>& accounts);
    int rows() const;

private:
    FixedRowsPage page_;
    QTableView* view_;
};

}  // namespace korvant::gui
