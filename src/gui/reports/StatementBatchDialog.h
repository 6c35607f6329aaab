#pragma once

#include "gui/widgets/FormDialog.h"
#include "reports/statements/StatementPage.h"

class QComboBox;

namespace korvant::gui {

// "批量导出日结单": "日期范围:" "从" … "到", "导出到:" with "浏览", the style,
// "CSV 格式"; the hidden "客户号:" is carried along.
class StatementBatchDialog : public FormDialog {
    Q_OBJECT
public:
    StatementBatchDialog(StatementBatchForm& form, QWidget* parent = nullptr);

protected:
    void readForm() override;
    void writeForm() override;

private:
    StatementBatchForm& form_;
    QComboBox* style_ = nullptr;
};

}  // namespace korvant::gui
