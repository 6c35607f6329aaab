#pragma once

#include "app/forms/SearchFilter.h"
#include "gui/widgets/FormDialog.h"

namespace korvant::gui {

// "高级搜索": "用户名", "密码", "开户日" and "备注", and "搜索".
class AdvancedSearchDialog : public FormDialog {
    Q_OBJECT
public:
    AdvancedSearchDialog(AdvancedSearchForm& form, QWidget* parent = nullptr);
};

}  // namespace korvant::gui
