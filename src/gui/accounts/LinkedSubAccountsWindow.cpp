#include "gui/accounts/LinkedSubAccountsWindow.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include "accounts/mainaccounts/MainAccountOperations.h"
#include "gui/widgets/Remembered.h"
#include "gui/widgets/ReportTable.h"

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

}  // namespace korvant::gui
