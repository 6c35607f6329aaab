#pragma once

#include "app/SearchFilter.h"
#include "gui/widgets/FormDialog.h"

class QLineEdit;

namespace korvant::gui {

// "高级搜索": "用户名", "密码", "开户日" and "备注", and "搜索".
class AdvancedSearchDialog : public FormDialog {
    Q_OBJECT
public:
    AdvancedSearchDialog(AdvancedSearchForm& form, QWidget* parent = nullptr);

protected:
    void readForm() override;
    void writeForm() override;

private:
    AdvancedSearchForm& form_;
    QLineEdit* account_;
    QLineEdit* password_;
    QLineEdit* openingDate_;
    QLineEdit* remark_;
};

}  // namespace korvant::gui
