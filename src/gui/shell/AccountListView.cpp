#include "gui/shell/AccountListView.h"

#include "gui/widgets/ReportPageModel.h"
#include "gui/widgets/ReportTable.h"

namespace korvant::gui {

AccountListView::AccountListView(QWidget* parent) : QTableView(parent) {
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void AccountListView::draw(const ReportPage& page) {
    fillReportTable(*this, page);
}

std::vector<int> AccountListView::selectedRecordRows() const {
    return selectedReportRows(*this);
}

const ReportPageModel* AccountListView::listModel() const {
    return reportModel(*this);
}

int AccountListView::rows() const {
    const ReportPageModel* model = listModel();
    return model == nullptr ? 0 : model->rowCount();
}

QString AccountListView::cell(int row, int column) const {
    const ReportPageModel* model = listModel();
    return model == nullptr ? QString() : model->cell(row, column);
}

}  // namespace korvant::gui
