#include "gui/reports/ReportExportDialog.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/DateFields.h"
#include "gui/widgets/FormRows.h"

namespace korvant::gui {

ReportExportDialog::ReportExportDialog(ReportExportForm& form, QWidget* parent)
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
    path_->setReadOnly(true);

    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("日期范围:"), dateRangeRow(this, from_, to_));
    QPushButton* browse = nullptr;
    fields->addRow(QStringLiteral("导出到:"), browseRow(this, path_, browse));
    browse->setObjectName(QStringLiteral("browse"));
    layout->addLayout(fields);
    addOkCancelButtons(this, layout);
    connect(browse, &QPushButton::clicked, this, [this] {
        if (!form_.browse) return;
        writeForm();
        if (form_.browse(form_)) path_->setText(QString::fromStdString(form_.path));
    });
}

void ReportExportDialog::readForm() {
    from_->setDate(dateOfYmd(form_.startDate));
    to_->setDate(dateOfYmd(form_.endDate));
    path_->setText(QString::fromStdString(form_.path));
}

void ReportExportDialog::writeForm() {
    form_.startDate = ymdOfDate(from_->date());
    form_.endDate = ymdOfDate(to_->date());
    form_.path = path_->text().toStdString();
}

}  // namespace korvant::gui
