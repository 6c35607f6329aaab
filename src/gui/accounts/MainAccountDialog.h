#pragma once

#include "accounts/mainaccounts/MainAccountForm.h"
#include "gui/widgets/FormDialog.h"

class QLabel;
class QLineEdit;

namespace korvant::gui {

// "添加主账号" of a first-level group. Beside each amount a label shows it
// in words while it is typed.
class MainAccountDialog : public FormDialog {
    Q_OBJECT
public:
    MainAccountDialog(MainAccountForm& form, QWidget* parent = nullptr);

protected:
    void readForm() override;
    void writeForm() override;

private:
    MainAccountForm& form_;
    QLineEdit* account_;
    QLineEdit* initialFunds_;
    QLineEdit* tradingPassword_;
    QLineEdit* startInvestment_;
    QLineEdit* priorityFunds_;
    QLineEdit* fundPassword_;
    QLineEdit* managementFee_;
    QLineEdit* custodyFee_;
};

}  // namespace korvant::gui
