#pragma once

#include "accounts/groups/GroupForm.h"
#include "gui/widgets/FormDialog.h"

class QComboBox;
class QLineEdit;
class QWidget;

namespace korvant::gui {

// "添加组" / "修改组": name, remark, the disabled parent combo and, for a
// first-level group, the quota and range of sub-account numbers.
class GroupDialog : public FormDialog {
    Q_OBJECT
public:
    GroupDialog(GroupForm& form, QWidget* parent = nullptr);

protected:
    void readForm() override;
    void writeForm() override;

private:
    GroupForm& form_;
    QComboBox* parent_;
    QWidget* quotaRows_;
    QLineEdit* allowed_;
    QLineEdit* rangeFrom_;
    QLineEdit* rangeTo_;
};

}  // namespace korvant::gui
