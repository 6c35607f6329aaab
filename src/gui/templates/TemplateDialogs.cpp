#include "gui/templates/TemplateDialogs.h"

#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/widgets/GbkLengthValidator.h"
#include "gui/widgets/NumberValidator.h"
#include "gui/widgets/QtText.h"

namespace korvant::gui {
RateDialog::RateDialog(RateForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      contract_(new QLineEdit(this)),
      collection_(new QComboBox(this)),
      allMonths_(new QCheckBox(QStringLiteral("应用到该品种所有月份"), this)) {
    const TemplateKind& kind = *form.rateKind;
    setWindowTitle(QString::fromUtf8(kind.rates.dialogCaption));
    contract_->setReadOnly(true);
    contract_->setObjectName(QStringLiteral("contract"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(kind.id == RateKind::Fee ? QStringLiteral("合约:") : QStringLiteral("合约"),
                   contract_);
    for (std::size_t i = 0; i < kind.values.size(); ++i) {
        auto* edit = numberEdit(this, RateForm::ValueInput, ("value" + std::to_string(i)).c_str());
        values_.push_back(edit);
        fields->addRow(QString::fromUtf8(kind.values[i].label), edit);
    }
    if (kind.hasDiscount) {
        discount_ = new QComboBox(this);
        discount_->setObjectName(QStringLiteral("discount"));
        discount_->addItems({QStringLiteral("按系统设置"), QStringLiteral("不优惠")});
        fields->addRow(QStringLiteral("平今优惠方式:"), discount_);
    }
    collection_->setObjectName(QStringLiteral("collection"));
    collection_->addItems(
        {QString::fromUtf8(kind.rates.relativeText), QString::fromUtf8(kind.rates.absoluteText)});
    fields->addRow(QStringLiteral("收取方式:"), collection_);
    layout->addLayout(fields);
    allMonths_->setObjectName(QStringLiteral("allMonths"));
    layout->addWidget(allMonths_);
    auto* note = new QLabel(QString::fromUtf8(kind.rates.dialogNote), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    addOkCancelButtons(this, layout);
}

void RateDialog::readForm() {
    contract_->setText(qs(form_.contract));
    for (std::size_t i = 0; i < values_.size() && i < form_.values.size(); ++i)
        values_[i]->setText(qs(form_.values[i]));
    if (discount_ != nullptr) discount_->setCurrentIndex(form_.noDiscount ? 1 : 0);
    collection_->setCurrentIndex(form_.absolute ? 1 : 0);
    allMonths_->setChecked(form_.allMonths);
}

void RateDialog::writeForm() {
    for (std::size_t i = 0; i < values_.size() && i < form_.values.size(); ++i)
        form_.values[i] = values_[i]->text().toStdString();
    if (discount_ != nullptr) form_.noDiscount = discount_->currentIndex() == 1;
    form_.absolute = collection_->currentIndex() == 1;
    form_.allMonths = allMonths_->isChecked();
}

TemplateNameDialog::TemplateNameDialog(TemplateNameForm& form, QWidget* parent)
    : FormDialog(form, parent) {
    setWindowTitle(qs(form.caption));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("名称:"),
                   bindText(limitedEdit(this, TemplateNameForm::MaxBytes, "name"), form.name));
    layout->addLayout(fields);
    addOkCancelButtons(this, layout);
}

TemplatePickerDialog::TemplatePickerDialog(TemplatePickerForm& form, QWidget* parent)
    : FormDialog(form, parent) {
    setWindowTitle(qs(form.caption));
    auto* entries = bindChoice(new QComboBox(this), form.entries, form.choice);
    entries->setObjectName(QStringLiteral("templates"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(qs(form.label), entries);
    layout->addLayout(fields);
    layout->addWidget(new QLabel(QString::fromUtf8(TemplatePickerForm::Note), this));
    addOkCancelButtons(this, layout);
}

}  // namespace korvant::gui
