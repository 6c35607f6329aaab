#pragma once

#include <QDialog>

#include <exception>
#include <functional>

#include "reports/settlement/SettlementOperations.h"

class QLabel;
class QTableView;

namespace korvant::gui {

// "结算价设置": the prices of the settlement date, 100 a page, "上一页",
// "下一页", "退出" and the page label. Only the "结算价" column is edited;
// each edit is sent at once.
class SettlementPricesDialog : public QDialog {
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
    // Runs a call into the core; a failure that ends the program closes the
    // dialog and is passed on when run() returns.
    void call(const std::function<void()>& work);

    Desk& desk_;
    SettlementPricePage& page_;
    QTableView* table_;
    QLabel* label_;
    std::exception_ptr failure_;
};

}  // namespace korvant::gui
