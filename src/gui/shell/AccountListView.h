#pragma once

#include <QTableView>

#include <vector>

namespace korvant {
class ReportPage;
}

namespace korvant::gui {

class ReportPageModel;

// One account list of the accounts view (main accounts, administrators,
// main-account links or sub-accounts): the core's page of that list drawn
// through the one report model.
class AccountListView : public QTableView {
    Q_OBJECT
public:
    explicit AccountListView(QWidget* parent = nullptr);

    // Draws `page` (set up at the first call). The records chosen before
    // that are still listed stay chosen.
    void draw(const ReportPage& page);
    // The chosen record rows, ascending.
    std::vector<int> selectedRecordRows() const;
    const ReportPageModel* listModel() const;
    int rows() const;
    QString cell(int row, int column) const;
};

}  // namespace korvant::gui
