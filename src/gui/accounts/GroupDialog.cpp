#include "gui/accounts/GroupDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/forms/SearchFilter.h"
#include "gui/widgets/GbkLengthValidator.h"
#include "gui/widgets/NumberValidator.h"

namespace korvant::gui {

GroupDialog::GroupDialog(GroupForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      parent_(new QComboBox(this)),
      quotaRows_(new QWidget(this)),
      allowed_(numberEdit(quotaRows_, GroupForm::CountFieldInput, "allowed")),
      rangeFrom_(numberEdit(quotaRows_, GroupForm::CountFieldInput, "rangeFrom")),
      rangeTo_(numberEdit(quotaRows_, GroupForm::CountFieldInput, "rangeTo")) {
    setWindowTitle(QString::fromStdString(form.caption()));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("名称:"), bindText(limitedEdit(this, 31, "name"), form.name));
    fields->addRow(QStringLiteral("备注:"), bindText(limitedEdit(this, 31, "remark"), form.remark));
    fields->addRow(QStringLiteral("隶属:"), parent_);
    layout->addLayout(fields);

    auto* quota = new QFormLayout(quotaRows_);
    quota->setContentsMargins(0, 0, 0, 0);
    quota->addRow(QStringLiteral("允许子账号数量:"), allowed_);
    auto* range = new QHBoxLayout;
    range->addWidget(rangeFrom_);
    range->addWidget(new QLabel(QStringLiteral("到"), quotaRows_));
    range->addWidget(rangeTo_);
    quota->addRow(QStringLiteral("范围:"), range);
    layout->addWidget(quotaRows_);

    addOkCancelButtons(this, layout);
}

void GroupDialog::readForm() {
    parent_->clear();
    for (const GroupChoice& g : form_.parents)
        parent_->addItem(QString::fromStdString(g.name), g.id);
    parent_->setCurrentIndex(parent_->findData(form_.parentId));
    parent_->setEnabled(false);
    quotaRows_->setVisible(form_.showQuota);
    allowed_->setText(QString::number(form_.allowedSubAccounts));
    rangeFrom_->setText(QString::number(form_.rangeFrom));
    rangeTo_->setText(QString::number(form_.rangeTo));
}

void GroupDialog::writeForm() {
    const QVariant parent = parent_->currentData();
    if (parent.isValid()) form_.parentId = parent.toInt();
    form_.allowedSubAccounts = lenientInt(allowed_->text().toStdString());
    form_.rangeFrom = lenientInt(rangeFrom_->text().toStdString());
    form_.rangeTo = lenientInt(rangeTo_->text().toStdString());
}

}  // namespace korvant::gui
