#pragma once

#include "gui/widgets/CoreCallDialog.h"

#include "reports/settlement/SettlementOperations.h"

class QLabel;
class QTimer;

namespace korvant::gui {

// "结算状态": "状态:" and the status text, one button "确定". While open it
// polls the settlement every 5 000 ms; closing it stops the polling.
class SettlementStatusDialog : public CoreCallDialog {
    Q_OBJECT
public:
    SettlementStatusDialog(SettlementStatusForm& form, QWidget* parent = nullptr);

    // Runs the dialog; a failure that ends the program while it polls closes
    // it and is passed on to the caller.
    bool run();
    QTimer* timer() const { return timer_; }
    QLabel* statusLabel() const { return status_; }
    void tick();

    void done(int result) override;

private:
    SettlementWatch& watch_;
    QLabel* status_;
    QTimer* timer_;
};

}  // namespace korvant::gui
