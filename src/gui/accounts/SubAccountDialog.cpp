#include "gui/accounts/SubAccountDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/widgets/GbkLengthValidator.h"

namespace korvant::gui {

SubAccountDialog::SubAccountDialog(SubAccountForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      account_(bindText(limitedEdit(this, 15, "account"), form.account)),
      group_(new QComboBox(this)) {
    setWindowTitle(QString::fromStdString(form.caption()));
    group_->setObjectName(QStringLiteral("group"));
    auto* fields = new QFormLayout;
    auto addText = [&](const char* caption, std::string& value, int maxBytes,
                       const char* objectName) {
        fields->addRow(QString::fromUtf8(caption),
                       bindText(limitedEdit(this, maxBytes, objectName), value));
    };
    fields->addRow(QStringLiteral("子账号:"), account_);
    addText("密  码:", form.password, SubAccountPasswordLimit, "password");
    addText("名  称:", form.name, SubAccountNameLimit, "name");
    fields->addRow(QStringLiteral("组  别:"), group_);
    auto* mainAccount = bindChoice(new QComboBox(this), form.mainAccounts, form.mainAccountIndex);
    mainAccount->setObjectName(QStringLiteral("mainAccount"));
    fields->addRow(QStringLiteral("主账号:"), mainAccount);
    addText("MAC限定(可不填):", form.mac, SubAccountMacLimit, "mac");
    addText("备  注:", form.remark, SubAccountRemarkLimit, "remark");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(bindCheck(new QCheckBox(QStringLiteral("结算单不显示手续费"), this),
                                form.noFeesOnStatement));
    layout->addWidget(bindCheck(new QCheckBox(QStringLiteral("禁用单向大边保证金"), this),
                                form.noSingleSideMargin));
    addOkCancelButtons(this, layout);
}

void SubAccountDialog::readForm() {
    account_->setEnabled(form_.adding);
    group_->clear();
    for (const SubAccountGroupChoice& g : form_.groups)
        group_->addItem(QString::fromStdString(g.name), g.id);
    group_->setCurrentIndex(form_.groupIndex);
    group_->setEnabled(form_.groupEditable());
}

void SubAccountDialog::writeForm() {
    form_.groupIndex = group_->currentIndex();
}

void SubAccountDialog::refused() {
    // The number is rewritten as its plain decimal as soon as it is read,
    // whichever check refused afterwards.
    const QString account = QString::fromStdString(form_.account);
    if (account_->text() != account) account_->setText(account);
}

}  // namespace korvant::gui
