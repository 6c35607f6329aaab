#include "gui/accounts/SubAccountDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/FormDialog.h"
#include "gui/widgets/GbkLengthValidator.h"

namespace korvant::gui {

namespace {

QLineEdit* limitedEdit(QWidget* parent, int maxBytes) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new GbkLengthValidator(maxBytes, edit));
    return edit;
}

}  // namespace

SubAccountDialog::SubAccountDialog(SubAccountForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      account_(limitedEdit(this, 15)),
      password_(limitedEdit(this, SubAccountPasswordLimit)),
      name_(limitedEdit(this, SubAccountNameLimit)),
      group_(new QComboBox(this)),
      mainAccount_(new QComboBox(this)),
      mac_(limitedEdit(this, SubAccountMacLimit)),
      remark_(limitedEdit(this, SubAccountRemarkLimit)),
      noFeesOnStatement_(new QCheckBox(QStringLiteral("结算单不显示手续费"), this)),
      noSingleSideMargin_(new QCheckBox(QStringLiteral("禁用单向大边保证金"), this)) {
    setWindowTitle(QString::fromStdString(form.caption()));
    account_->setObjectName(QStringLiteral("account"));
    password_->setObjectName(QStringLiteral("password"));
    mac_->setObjectName(QStringLiteral("mac"));
    name_->setObjectName(QStringLiteral("name"));
    group_->setObjectName(QStringLiteral("group"));
    mainAccount_->setObjectName(QStringLiteral("mainAccount"));
    remark_->setObjectName(QStringLiteral("remark"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("子账号:"), account_);
    fields->addRow(QStringLiteral("密  码:"), password_);
    fields->addRow(QStringLiteral("名  称:"), name_);
    fields->addRow(QStringLiteral("组  别:"), group_);
    fields->addRow(QStringLiteral("主账号:"), mainAccount_);
    fields->addRow(QStringLiteral("MAC限定(可不填):"), mac_);
    fields->addRow(QStringLiteral("备  注:"), remark_);
    layout->addLayout(fields);
    layout->addWidget(noFeesOnStatement_);
    layout->addWidget(noSingleSideMargin_);
    addOkCancelButtons(this, layout);
}

void SubAccountDialog::readForm() {
    account_->setText(QString::fromStdString(form_.account));
    account_->setEnabled(form_.adding);
    password_->setText(QString::fromStdString(form_.password));
    name_->setText(QString::fromStdString(form_.name));
    group_->clear();
    for (const SubAccountGroupChoice& g : form_.groups)
        group_->addItem(QString::fromStdString(g.name), g.id);
    group_->setCurrentIndex(form_.groupIndex);
    group_->setEnabled(form_.groupEditable());
    mainAccount_->clear();
    for (const std::string& m : form_.mainAccounts)
        mainAccount_->addItem(QString::fromStdString(m));
    mainAccount_->setCurrentIndex(form_.mainAccountIndex);
    mac_->setText(QString::fromStdString(form_.mac));
    remark_->setText(QString::fromStdString(form_.remark));
    noFeesOnStatement_->setChecked(form_.noFeesOnStatement);
    noSingleSideMargin_->setChecked(form_.noSingleSideMargin);
}

void SubAccountDialog::writeForm() {
    form_.account = account_->text().toStdString();
    form_.password = password_->text().toStdString();
    form_.name = name_->text().toStdString();
    form_.groupIndex = group_->currentIndex();
    form_.mainAccountIndex = mainAccount_->currentIndex();
    form_.mac = mac_->text().toStdString();
    form_.remark = remark_->text().toStdString();
    form_.noFeesOnStatement = noFeesOnStatement_->isChecked();
    form_.noSingleSideMargin = noSingleSideMargin_->isChecked();
}

void SubAccountDialog::refused() {
    // The number is rewritten as its plain decimal as soon as it is read,
    // whichever check refused afterwards.
    const QString account = QString::fromStdString(form_.account);
    if (account_->text() != account) account_->setText(account);
}

}  // namespace korvant::gui
