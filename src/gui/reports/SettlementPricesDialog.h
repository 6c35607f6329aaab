#pragma once

#include "gui/widgets/CoreCallDialog.h"

#include "reports/settlement/SettlementOperations.h"

class QLabel;
class QTableView;

namespace korvant::gui {

// "结算价设置": the prices of the settlement date, 100 a page, "上一页",
// "下一页", "退出" and the page label. Only the "结算价" column is edited;
// each edit is sent at once.
class SettlementPricesDialog : public CoreCallDialog {
    Q_OBJECT
public:
    SettlementPricesDialog(SettlementPricesForm& form, QWidget* parent = nullptr);

    bool run();
    QTableView* table() const { return table_; }
    QLabel* pageLabel() const { return label_; }
    void previousPage();
    void nextPage();
    void redraw();

private:
    void edited(int row, const QString& text);
    Desk& desk_;
    SettlementPricePage& page_;
    QTableView* table_;
    QLabel* label_;
};

}  // namespace korvant::gui
