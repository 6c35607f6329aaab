#include "gui/reports/StatementBatchDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "gui/widgets/ExportRows.h"
#include "gui/widgets/Remembered.h"

namespace korvant::gui {

StatementBatchDialog::StatementBatchDialog(StatementBatchForm& form, QWidget* parent)
    : FormDialog(form, parent), form_(form) {
    setWindowTitle(QStringLiteral("批量导出日结单"));
    const ExportRows rows = addExportRows(*this, form.from, form.to, form.folder, "folder");
    style_ = new QComboBox(this);
    style_->setObjectName(QStringLiteral("style"));
    style_->addItems({QStringLiteral("盯市"), QStringLiteral("逐笔")});
    auto* csv = bindCheck(new QCheckBox(QStringLiteral("CSV 格式"), this), form.csv);
    csv->setObjectName(QStringLiteral("csv"));
    // The hidden "客户号:" is carried along.
    auto* account = bindText(new QLineEdit(this), form.account);
    account->setObjectName(QStringLiteral("account"));
    account->hide();

    auto* options = new QHBoxLayout;
    options->addWidget(style_);
    options->addWidget(csv);
    options->addStretch();
    rows.fields->addRow(QString(), options);
    connect(rows.browse, &QPushButton::clicked, this, [this, folder = rows.path] {
        const QString chosen = chooseFolderName(this, QStringLiteral("statement.batch"),
                                                QStringLiteral("浏览..."), folder->text());
        if (!chosen.isEmpty()) folder->setText(chosen);
    });
}

void StatementBatchDialog::readForm() {
    style_->setCurrentIndex(static_cast<int>(form_.style));
}

void StatementBatchDialog::writeForm() {
    form_.style = static_cast<StatementStyle>(style_->currentIndex());
}

}  // namespace korvant::gui
