#include "gui/accounts/MainAccountDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <string>

#include "gui/widgets/GbkLengthValidator.h"
#include "gui/widgets/GridRows.h"
#include "gui/widgets/NumberValidator.h"
#include "text/AmountInWords.h"
#include "text/NumberText.h"

namespace korvant::gui {

MainAccountDialog::MainAccountDialog(MainAccountForm& form, QWidget* parent)
    : FormDialog(form, parent) {
    setWindowTitle(QStringLiteral("添加主账号"));
    GridRows rows(this);
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
    auto amount = [&](const char* caption, std::string& value, const char* objectName) {
        QLineEdit* edit =
            bindText(numberEdit(this, MainAccountForm::AmountInput, objectName), value);
        rows.add(caption, edit, inWords(edit, (std::string(objectName) + "InWords").c_str()));
    };
    auto rate = [&](const char* caption, std::string& value, const char* objectName) {
        rows.addPercent(caption,
                        bindText(numberEdit(this, MainAccountForm::RateInput, objectName), value));
    };
    rows.add("主 账 号:", bindText(limitedEdit(this, 15, "account"), form.account));
    amount("初始资金:（可不填）", form.initialFunds, "initialFunds");
    rows.add("交易密码:", bindText(limitedEdit(this, 31, "tradingPassword"), form.tradingPassword));
    amount("期初投入:（可不填）", form.startInvestment, "startInvestment");
    amount("优先资金:（可不填）", form.priorityFunds, "priorityFunds");
    rows.add("资金密码:（可不填）",
             bindText(limitedEdit(this, 31, "fundPassword"), form.fundPassword));
    rate("管 理 费:(可不填)", form.managementFee, "managementFee");
    rate("托 管 费:(可不填)", form.custodyFee, "custodyFee");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows.layout());
    auto* note = new QLabel(QString::fromUtf8(MainAccountForm::Note), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    addOkCancelButtons(this, layout);
}

}  // namespace korvant::gui
