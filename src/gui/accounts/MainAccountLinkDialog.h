#pragma once

#include "accounts/mainaccounts/MainAccountLinkForm.h"
#include "gui/widgets/FormDialog.h"

class QComboBox;

namespace korvant::gui {

// "添加主账号" of a second-level group: one of the parent group's main
// accounts ("可选主账号:").
class MainAccountLinkDialog : public FormDialog {
    Q_OBJECT
public:
    MainAccountLinkDialog(MainAccountLinkForm& form, QWidget* parent = nullptr);

protected:
    void readForm() override;
    void writeForm() override;

private:
    MainAccountLinkForm& form_;
    QComboBox* accounts_;
};

}  // namespace korvant::gui
