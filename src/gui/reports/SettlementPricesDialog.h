#pragma once

#include <QDialog>

#include <exception>
#include <functional>

#include "reports/settlement/SettlementOperations.h"

class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace korvant::gui {

// "结算价设置": the prices of the settlement date, 100 a page, "上一页",
// "下一页", "退出" and the page label. Only the "结算价" column is edited;
// each edit is sent at once.
class SettlementPricesDialog : public QDialog {
    Q_OBJECT
public:
    SettlementPricesDialog(SettlementPricesForm& form, QWidget* parent = nullptr);

    bool run();
    QTableWidget* table() const { return table_; }
    QLabel* pageLabel() const { return label_; }
    void previousPage();
    void nextPage();
    void redraw();

private:
    void edited(QTableWidgetItem* item);
    // Runs a call into the core; a failure that ends the program closes the
    // dialog and is passed on when run() returns.
    void call(const std::function<void()>& work);

    Desk& desk_;
    SettlementPricePage& page_;
    QTableWidget* table_;
    QLabel* label_;
    bool drawing_ = false;
    std::exception_ptr failure_;
};

}  // namespace korvant::gui
