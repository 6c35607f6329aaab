#pragma once

#include "accounts/mainaccounts/MainAccountForm.h"
#include "gui/widgets/FormDialog.h"

namespace korvant::gui {

// "添加主账号" of a first-level group. Beside each amount a label shows it
// in words while it is typed.
class MainAccountDialog : public FormDialog {
    Q_OBJECT
public:
    MainAccountDialog(MainAccountForm& form, QWidget* parent = nullptr);
};

}  // namespace korvant::gui
