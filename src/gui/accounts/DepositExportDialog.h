#pragma once

#include "accounts/deposits/DepositRecordsPage.h"
#include "gui/widgets/FormDialog.h"

namespace korvant::gui {

// "导出" of the deposit records: the date range and the file, chosen with
// "浏览".
class DepositExportDialog : public FormDialog {
    Q_OBJECT
public:
    DepositExportDialog(DepositExportForm& form, QWidget* parent = nullptr);
};

}  // namespace korvant::gui
