#include "gui/reports/ReportExportDialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "gui/widgets/ExportRows.h"

namespace korvant::gui {

ReportExportDialog::ReportExportDialog(ReportExportForm& form, QWidget* parent)
    : FormDialog(form, parent), form_(form) {
    setWindowTitle(QStringLiteral("导出"));
    const ExportRows rows = addExportRows(*this, form.startDate, form.endDate, form.path, "path");
    rows.path->setReadOnly(true);
    connect(rows.browse, &QPushButton::clicked, this, [this, path = rows.path] {
        if (!form_.browse) return;
        writeFields();
        if (form_.browse(form_)) path->setText(QString::fromStdString(form_.path));
    });
}

}  // namespace korvant::gui
