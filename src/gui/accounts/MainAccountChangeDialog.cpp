#include "gui/accounts/MainAccountChangeDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/FormDialog.h"
#include "gui/widgets/GbkLengthValidator.h"
#include "gui/widgets/NumberValidator.h"

namespace korvant::gui {

MainAccountChangeDialog::MainAccountChangeDialog(MainAccountChangeForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      fundPassword_(new QLineEdit(this)),
      tradingPassword_(new QLineEdit(this)),
      managementFee_(numberEdit(this, MainAccountChangeForm::RateInput, "managementFee")),
      custodyFee_(numberEdit(this, MainAccountChangeForm::RateInput, "custodyFee")),
      clearFeesDue_(new QCheckBox(QStringLiteral("清除应提费用"), this)) {
    setWindowTitle(QStringLiteral("修改主账号"));
    for (QLineEdit* edit : {fundPassword_, tradingPassword_})
        edit->setValidator(new GbkLengthValidator(31, edit));
    fundPassword_->setObjectName(QStringLiteral("fundPassword"));
    tradingPassword_->setObjectName(QStringLiteral("tradingPassword"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("资金密码:(可不填)"), this), 0, 0);
    grid->addWidget(fundPassword_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("交易密码:"), this), 1, 0);
    grid->addWidget(tradingPassword_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("管理费率:(可不填)"), this), 2, 0);
    grid->addWidget(managementFee_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), this), 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("托管费率:(可不填)"), this), 3, 0);
    grid->addWidget(custodyFee_, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), this), 3, 2);
    layout->addLayout(grid);
    layout->addWidget(clearFeesDue_);
    auto* note = new QLabel(QString::fromUtf8(MainAccountChangeForm::Note), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    addOkCancelButtons(this, layout);
}

void MainAccountChangeDialog::readForm() {
    fundPassword_->setText(QString::fromStdString(form_.fundPassword));
    tradingPassword_->setText(QString::fromStdString(form_.tradingPassword));
    managementFee_->setText(QString::fromStdString(form_.managementFee));
    custodyFee_->setText(QString::fromStdString(form_.custodyFee));
    clearFeesDue_->setChecked(form_.clearFeesDue);
}

void MainAccountChangeDialog::writeForm() {
    form_.fundPassword = fundPassword_->text().toStdString();
    form_.tradingPassword = tradingPassword_->text().toStdString();
    form_.managementFee = managementFee_->text().toStdString();
    form_.custodyFee = custodyFee_->text().toStdString();
    form_.clearFeesDue = clearFeesDue_->isChecked();
}

}  // namespace korvant::gui
