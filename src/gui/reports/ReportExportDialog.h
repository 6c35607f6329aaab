#pragma once

#include "gui/widgets/FormDialog.h"
#include "reports/export/ReportExportForm.h"

namespace korvant::gui {

// "导出" of the report exports (account funds, net values, orders, trades):
// the date range and the file, chosen with "浏览" by the core's rules.
class ReportExportDialog : public FormDialog {
    Q_OBJECT
public:
    ReportExportDialog(ReportExportForm& form, QWidget* parent = nullptr);

private:
    ReportExportForm& form_;
};

}  // namespace korvant::gui
