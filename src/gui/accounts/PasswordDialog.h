#pragma once

#include "accounts/administrators/PasswordForm.h"
#include "gui/widgets/FormDialog.h"

namespace korvant::gui {

// "更改密码": the current password in plain text, the new one twice masked.
class PasswordDialog : public FormDialog {
    Q_OBJECT
public:
    PasswordDialog(PasswordForm& form, QWidget* parent = nullptr);
};

}  // namespace korvant::gui
