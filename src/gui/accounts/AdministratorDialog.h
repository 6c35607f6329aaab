#pragma once

#include "accounts/administrators/AdministratorForm.h"
#include "gui/widgets/FormDialog.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace korvant::gui {

// "添加管理员" / "修改": account (only when adding), password, name, the
// disabled group combo, the permission check-list, five allowed addresses,
// the monitoring range and "允许多点登录".
class AdministratorDialog : public FormDialog {
    Q_OBJECT
public:
    AdministratorDialog(AdministratorForm& form, QWidget* parent = nullptr);

protected:
    void readForm() override;
    void writeForm() override;

private:
    AdministratorForm& form_;
    QLineEdit* account_;
    QComboBox* group_;
    QListWidget* permissions_;
    QLineEdit* monitorFrom_;
    QLineEdit* monitorTo_;
};

}  // namespace korvant::gui
