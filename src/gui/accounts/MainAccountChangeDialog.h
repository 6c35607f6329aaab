#pragma once

#include "accounts/mainaccounts/MainAccountChangeForm.h"
#include "gui/widgets/FormDialog.h"

namespace korvant::gui {

// "修改主账号": new passwords, the two fee rates and "清除应提费用".
class MainAccountChangeDialog : public FormDialog {
    Q_OBJECT
public:
    MainAccountChangeDialog(MainAccountChangeForm& form, QWidget* parent = nullptr);
};

}  // namespace korvant::gui
