#include "gui/accounts/LinkedSubAccountsWindow.h"

#include <QHeaderView>
#include <QPointer>
#include <QTableView>
#include <QVBoxLayout>

#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/desk/Desk.h"
#include "gui/shell/MainWindow.h"
#include "gui/widgets/Remembered.h"
#include "gui/widgets/ReportTable.h"
#include "view/ListSelection.h"

namespace korvant::gui {

LinkedSubAccountsWindow::LinkedSubAccountsWindow(QWidget* parent)
    : QDialog(parent), view_(new QTableView(this)) {
    setWindowTitle(QString::fromUtf8(LinkedSubAccountsCaption));
    for (const std::string& caption : linkedSubAccountCaptions())
        page_.columnList.push_back({caption, 80});
    setUpReportTable(*view_, page_);
    rememberListLayout(*view_, QStringLiteral("linkedSubAccounts"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    resize(540, 360);
}

void LinkedSubAccountsWindow::setAccounts(const std::vector<SubAccount>& accounts) {
    page_.rows.clear();
    page_.rows.reserve(accounts.size());
    for (const SubAccount& s : accounts) page_.rows.push_back(linkedSubAccountCells(s));
    // Painted at the progress window's next turn of the event loop.
    fillReportTable(*view_, page_);
}

int LinkedSubAccountsWindow::rows() const {
    return page_.rowCount();
}

void showLinkedSubAccounts(MainWindow& window) {
    Desk& desk = window.desk();
    const auto& cache = desk.accounts().mainAccounts;
    const int row = firstSelectedRow(window.view(), cache.count());
    if (row < 0) return;
    const std::string account = cache.at(row).account;
    auto* shown = new LinkedSubAccountsWindow(&window);
    shown->setAttribute(Qt::WA_DeleteOnClose);
    shown->show();
    QPointer<LinkedSubAccountsWindow> alive(shown);
    window.callCore([&] {
        linkedSubAccounts(desk, account, [&](const std::vector<SubAccount>& found) {
            if (alive) alive->setAccounts(found);
        });
    });
}

}  // namespace korvant::gui
