#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "app/pages/FixedRowsPage.h"
#include "model/SubAccount.h"

class QTableView;

namespace korvant::gui {

class MainWindow;

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

// "显示关联的子账号": opens the window over `window` and lists in it the
// sub-accounts of the main account chosen in the list on screen.
void showLinkedSubAccounts(MainWindow& window);

}  // namespace korvant::gui
