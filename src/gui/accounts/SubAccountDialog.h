#pragma once

#include "accounts/subaccounts/SubAccountForm.h"
#include "gui/widgets/FormDialog.h"

class QComboBox;
class QLineEdit;

namespace korvant::gui {

// "添加子账号" / "修改子账号": the fields of a sub-account. The account is
// editable only when adding; the group combo only when modifying.
class SubAccountDialog : public FormDialog {
    Q_OBJECT
public:
    SubAccountDialog(SubAccountForm& form, QWidget* parent = nullptr);

protected:
    void readForm() override;
    void writeForm() override;
    void refused() override;

private:
    SubAccountForm& form_;
    QLineEdit* account_;
    QComboBox* group_;
};

}  // namespace korvant::gui
