#include "gui/reports/StatementBatchDialog.h"
#include "gui/widgets/FormRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/DateFields.h"

namespace korvant::gui {

StatementBatchDialog::StatementBatchDialog(StatementBatchForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      from_(new QDateEdit(this)),
      to_(new QDateEdit(this)),
      folder_(new QLineEdit(this)),
      style_(new QComboBox(this)),
      csv_(new QCheckBox(QStringLiteral("CSV 格式"), this)),
      account_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("批量导出日结单"));
    setUpDateField(from_);
    setUpDateField(to_);
    from_->setObjectName(QStringLiteral("from"));
    to_->setObjectName(QStringLiteral("to"));
    folder_->setObjectName(QStringLiteral("folder"));
    style_->setObjectName(QStringLiteral("style"));
    csv_->setObjectName(QStringLiteral("csv"));
    account_->setObjectName(QStringLiteral("account"));
    account_->hide();
    style_->addItems({QStringLiteral("盯市"), QStringLiteral("逐笔")});

    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("日期范围:"), dateRangeRow(this, from_, to_));
    QPushButton* browse = nullptr;
    fields->addRow(QStringLiteral("导出到:"), browseRow(this, folder_, browse));
    auto* options = new QHBoxLayout;
    options->addWidget(style_);
    options->addWidget(csv_);
    options->addStretch();
    fields->addRow(QString(), options);
    layout->addLayout(fields);
    addOkCancelButtons(this, layout);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getExistingDirectory(
            this, QStringLiteral("浏览..."), folder_->text(), QFileDialog::ShowDirsOnly);
        if (!chosen.isEmpty()) folder_->setText(chosen);
    });
}

void StatementBatchDialog::readForm() {
    from_->setDate(dateOfYmd(form_.from));
    to_->setDate(dateOfYmd(form_.to));
    folder_->setText(QString::fromStdString(form_.folder));
    style_->setCurrentIndex(static_cast<int>(form_.style));
    csv_->setChecked(form_.csv);
    account_->setText(QString::fromStdString(form_.account));
}

void StatementBatchDialog::writeForm() {
    form_.from = ymdOfDate(from_->date());
    form_.to = ymdOfDate(to_->date());
    form_.folder = folder_->text().toStdString();
    form_.style = static_cast<StatementStyle>(style_->currentIndex());
    form_.csv = csv_->isChecked();
    form_.account = account_->text().toStdString();
}

}  // namespace korvant::gui
