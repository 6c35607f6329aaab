#include "gui/accounts/MainAccountDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/FormDialog.h"
#include "gui/widgets/GbkLengthValidator.h"
#include "gui/widgets/NumberValidator.h"
#include "text/AmountInWords.h"
#include "text/NumberText.h"

namespace korvant::gui {

namespace {

QLineEdit* limitedEdit(QWidget* parent, int maxBytes, const char* objectName) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new GbkLengthValidator(maxBytes, edit));
    edit->setObjectName(QString::fromUtf8(objectName));
    return edit;
}

}  // namespace

MainAccountDialog::MainAccountDialog(MainAccountForm& form, QWidget* parent)
    : FormDialog(form, parent),
      form_(form),
      account_(limitedEdit(this, 15, "account")),
      initialFunds_(numberEdit(this, MainAccountForm::AmountInput, "initialFunds")),
      tradingPassword_(limitedEdit(this, 31, "tradingPassword")),
      startInvestment_(numberEdit(this, MainAccountForm::AmountInput, "startInvestment")),
      priorityFunds_(numberEdit(this, MainAccountForm::AmountInput, "priorityFunds")),
      fundPassword_(limitedEdit(this, 31, "fundPassword")),
      managementFee_(numberEdit(this, MainAccountForm::RateInput, "managementFee")),
      custodyFee_(numberEdit(this, MainAccountForm::RateInput, "custodyFee")) {
    setWindowTitle(QStringLiteral("添加主账号"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](const char* caption, QLineEdit* edit, QLabel* beside) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption), this), row, 0);
        grid->addWidget(edit, row, 1);
        if (beside != nullptr) grid->addWidget(beside, row, 2);
        ++row;
    };
    // The amount in words follows the typed text.
    auto inWords = [this](QLineEdit* edit, const char* objectName) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromUtf8(objectName));
        label->setMinimumWidth(90);
        label->setWordWrap(true);
        connect(edit, &QLineEdit::textChanged, label, [label](const QString& text) {
            label->setText(text.isEmpty() ? QString()
                                          : QString::fromStdString(
                                                amountInWords(readLenient(text.toStdString()))));
        });
        return label;
    };
    addRow("主 账 号:", account_, nullptr);
    addRow("初始资金:（可不填）", initialFunds_, inWords(initialFunds_, "initialFundsInWords"));
    addRow("交易密码:", tradingPassword_, nullptr);
    addRow("期初投入:（可不填）", startInvestment_,
           inWords(startInvestment_, "startInvestmentInWords"));
    addRow("优先资金:（可不填）", priorityFunds_, inWords(priorityFunds_, "priorityFundsInWords"));
    addRow("资金密码:（可不填）", fundPassword_, nullptr);
    addRow("管 理 费:(可不填)", managementFee_, new QLabel(QStringLiteral("%"), this));
    addRow("托 管 费:(可不填)", custodyFee_, new QLabel(QStringLiteral("%"), this));
    layout->addLayout(grid);
    auto* note = new QLabel(QString::fromUtf8(MainAccountForm::Note), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    addOkCancelButtons(this, layout);
}

void MainAccountDialog::readForm() {
    account_->setText(QString::fromStdString(form_.account));
    initialFunds_->setText(QString::fromStdString(form_.initialFunds));
    tradingPassword_->setText(QString::fromStdString(form_.tradingPassword));
    startInvestment_->setText(QString::fromStdString(form_.startInvestment));
    priorityFunds_->setText(QString::fromStdString(form_.priorityFunds));
    fundPassword_->setText(QString::fromStdString(form_.fundPassword));
    managementFee_->setText(QString::fromStdString(form_.managementFee));
    custodyFee_->setText(QString::fromStdString(form_.custodyFee));
}

void MainAccountDialog::writeForm() {
    form_.account = account_->text().toStdString();
    form_.initialFunds = initialFunds_->text().toStdString();
    form_.tradingPassword = tradingPassword_->text().toStdString();
    form_.startInvestment = startInvestment_->text().toStdString();
    form_.priorityFunds = priorityFunds_->text().toStdString();
    form_.fundPassword = fundPassword_->text().toStdString();
    form_.managementFee = managementFee_->text().toStdString();
    form_.custodyFee = custodyFee_->text().toStdString();
}

}  // namespace korvant::gui
