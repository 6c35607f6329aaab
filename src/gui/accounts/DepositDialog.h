#pragma once

#include <array>

#include "accounts/deposits/DepositForm.h"
#include "gui/widgets/FormDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace korvant::gui {

// "出入金": the holder, the direction, three amounts with their amount in
// words, the remark and "计入历史总计出入金", and the info lines of the
// holder's funds; which rows show follows the mode.
class DepositDialog : public FormDialog {
    Q_OBJECT
public:
    DepositDialog(DepositForm& form, QWidget* parent = nullptr);

protected:
    void readForm() override;
    void writeForm() override;

private:
    void relabel();

    DepositForm& form_;
    QLineEdit* holder_;
    QRadioButton* deposit_;
    QRadioButton* withdrawal_;
    std::array<QLabel*, 3> captions_;
    std::array<QLineEdit*, 3> amounts_;
    std::array<QLabel*, 3> words_;
    std::array<QWidget*, 3> amountRows_;
    QWidget* remarkRow_;
    QLineEdit* remark_;
    QCheckBox* countInHistory_;
    QLabel* equity_;
    QLabel* available_;
    QLabel* priority_;
    QLabel* startInvestment_;
    QLabel* depositable_;
};

}  // namespace korvant::gui
