#pragma once

#include "accounts/administrators/PasswordForm.h"
#include "gui/widgets/FormDialog.h"

class QLineEdit;

namespace korvant::gui {

// "更改密码": the current password in plain text, the new one twice masked.
class PasswordDialog : public FormDialog {
    Q_OBJECT
public:
    PasswordDialog(PasswordForm& form, QWidget* parent = nullptr);

protected:
    void readForm() override;
    void writeForm() override;

private:
    PasswordForm& form_;
    QLineEdit* current_;
    QLineEdit* next_;
    QLineEdit* confirmation_;
};

}  // namespace korvant::gui
