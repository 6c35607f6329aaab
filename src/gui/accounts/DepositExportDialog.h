#pragma once

#include "accounts/deposits/DepositRecordsPage.h"
#include "gui/widgets/FormDialog.h"

class QDateEdit;
class QLineEdit;

namespace korvant::gui {

// "导出" of the deposit records: the date range and the file, chosen with
// "浏览".
class DepositExportDialog : public FormDialog {
    Q_OBJECT
public:
    DepositExportDialog(DepositExportForm& form, QWidget* parent = nullptr);

protected:
    void readForm() override;
    void writeForm() override;

private:
    DepositExportForm& form_;
    QDateEdit* from_;
    QDateEdit* to_;
    QLineEdit* path_;
};

}  // namespace korvant::gui
