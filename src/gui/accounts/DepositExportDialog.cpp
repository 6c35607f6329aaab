#include "gui/accounts/DepositExportDialog.h"
#include "gui/widgets/FormRows.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/DateFields.h"
#include "gui/widgets/FormDialog.h"

namespace korvant::gui {

DepositExportDialog::DepositExportDialog(DepositExportForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      from_(new QDateEdit(this)),
      to_(new QDateEdit(this)),
      path_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("导出"));
    setUpDateField(from_);
    setUpDateField(to_);
    from_->setObjectName(QStringLiteral("from"));
    to_->setObjectName(QStringLiteral("to"));
    path_->setObjectName(QStringLiteral("path"));

    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("日期范围:"), dateRangeRow(this, from_, to_));
    QPushButton* browse = nullptr;
    fields->addRow(QStringLiteral("导出到:"), browseRow(this, path_, browse));
    layout->addLayout(fields);
    addOkCancelButtons(this, layout);
    connect(browse, &QPushButton::clicked, this, [this] {
        QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("导出"), path_->text(),
                                                      QStringLiteral("CSV 文件 (*.csv)"));
        if (!chosen.isEmpty()) path_->setText(chosen);
    });
}

void DepositExportDialog::readForm() {
    from_->setDate(dateOfYmd(form_.startDate));
    to_->setDate(dateOfYmd(form_.endDate));
    path_->setText(QString::fromStdString(form_.path));
}

void DepositExportDialog::writeForm() {
    form_.startDate = ymdOfDate(from_->date());
    form_.endDate = ymdOfDate(to_->date());
    form_.path = path_->text().toStdString();
}

}  // namespace korvant::gui
