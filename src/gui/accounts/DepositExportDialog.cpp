#include "gui/accounts/AccountDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include "gui/widgets/ExportRows.h"
#include "gui/widgets/Remembered.h"

namespace korvant::gui {

DepositExportDialog::DepositExportDialog(DepositExportForm& form, QWidget* parent)
    : FormDialog(form, parent) {
    setWindowTitle(QStringLiteral("导出"));
    const ExportRows rows = addExportRows(*this, form.startDate, form.endDate, form.path, "path");
    connect(rows.browse, &QPushButton::clicked, this, [this, path = rows.path] {
        // The export asks itself before it replaces a file.
        const QString workbook = QStringLiteral("Excel 工作簿 (*.xlsx)");
        QString selected;
        QString chosen =
            chooseSaveFileName(this, QStringLiteral("deposits.save"), QStringLiteral("导出"),
                               path->text(), QStringLiteral("CSV 文件 (*.csv);;") + workbook,
                               QFileDialog::DontConfirmOverwrite, &selected);
        // A name without extension under "Excel 工作簿" is a workbook.
        if (!chosen.isEmpty() && selected == workbook &&
            !QFileInfo(chosen).fileName().contains(QLatin1Char('.')))
            chosen += QStringLiteral(".xlsx");
        if (!chosen.isEmpty()) path->setText(chosen);
    });
}

}  // namespace korvant::gui
