#include "gui/accounts/LinkedSubAccountsWindow.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include "accounts/mainaccounts/MainAccountOperations.h"
#include "gui/widgets/ListTableModel.h"
#include "gui/widgets/ListViewStyle.h"

namespace korvant::gui {

LinkedSubAccountsWindow::LinkedSubAccountsWindow(QWidget* parent)
    : QDialog(parent), model_(new ListTableModel(this)) {
    setWindowTitle(QString::fromUtf8(LinkedSubAccountsCaption));
    model_->setCaptions(linkedSubAccountCaptions());
    auto* view = new QTableView(this);
    view->setModel(model_);
    styleReportList(view);
    for (int c = 0; c < model_->columnCount(); ++c) view->setColumnWidth(c, 80);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
    resize(540, 360);
}

void LinkedSubAccountsWindow::setAccounts(const std::vector<SubAccount>& accounts) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(accounts.size());
    for (const SubAccount& s : accounts) rows.push_back(linkedSubAccountCells(s));
    // Painted at the progress window's next turn of the event loop.
    model_->setRows(rows);
}

int LinkedSubAccountsWindow::rows() const {
    return model_->rowCount();
}

}  // namespace korvant::gui
