#pragma once

#include <vector>

#include "gui/widgets/FormDialog.h"
#include "templates/TemplateForms.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// The dialogs of the template views, thin views over the core's forms.
namespace korvant::gui {

// "手续费率" / "保证金率": one edit per rate of the kind, the modes, the
// check box "应用到该品种所有月份" and the kind's note.
class RateDialog : public FormDialog {
    Q_OBJECT
public:
    RateDialog(RateForm& form, QWidget* parent);

protected:
    void readForm() override;
    void writeForm() override;

private:
    RateForm& form_;
    QLineEdit* contract_;
    std::vector<QLineEdit*> values_;
    QComboBox* discount_ = nullptr;
    QComboBox* collection_;
    QCheckBox* allMonths_;
};

// "添加" / "修改": "名称:", at most 63 bytes.
class TemplateNameDialog : public FormDialog {
    Q_OBJECT
public:
    TemplateNameDialog(TemplateNameForm& form, QWidget* parent);
};

// "加载手续费率" / "加载保证金率": the template picker with its fixed note.
class TemplatePickerDialog : public FormDialog {
    Q_OBJECT
public:
    TemplatePickerDialog(TemplatePickerForm& form, QWidget* parent);
};

}  // namespace korvant::gui
