#pragma once

#include "accounts/mainaccounts/MainAccountChangeForm.h"
#include "gui/widgets/FormDialog.h"

class QCheckBox;
class QLineEdit;

namespace korvant::gui {

// "修改主账号": new passwords, the two fee rates and "清除应提费用".
class MainAccountChangeDialog : public FormDialog {
    Q_OBJECT
public:
    MainAccountChangeDialog(MainAccountChangeForm& form, QWidget* parent = nullptr);

protected:
    void readForm() override;
    void writeForm() override;

private:
    MainAccountChangeForm& form_;
    QLineEdit* fundPassword_;
    QLineEdit* tradingPassword_;
    QLineEdit* managementFee_;
    QLineEdit* custodyFee_;
    QCheckBox* clearFeesDue_;
};

}  // namespace korvant::gui
