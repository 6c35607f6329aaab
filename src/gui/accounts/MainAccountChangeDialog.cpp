#include "gui/accounts/AccountDialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/widgets/GbkLengthValidator.h"
#include "gui/widgets/GridRows.h"
#include "gui/widgets/NumberValidator.h"

namespace korvant::gui {

MainAccountChangeDialog::MainAccountChangeDialog(MainAccountChangeForm& form, QWidget* parent)
    : FormDialog(form, parent) {
    setWindowTitle(QStringLiteral("修改主账号"));
    GridRows rows(this);
    rows.add("资金密码:(可不填)",
             bindText(limitedEdit(this, 31, "fundPassword"), form.fundPassword));
    rows.add("交易密码:", bindText(limitedEdit(this, 31, "tradingPassword"), form.tradingPassword));
    rows.addPercent("管理费率:(可不填)",
                    bindText(numberEdit(this, MainAccountChangeForm::RateInput, "managementFee"),
                             form.managementFee));
    rows.addPercent("托管费率:(可不填)",
                    bindText(numberEdit(this, MainAccountChangeForm::RateInput, "custodyFee"),
                             form.custodyFee));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows.layout());
    layout->addWidget(
        bindCheck(new QCheckBox(QStringLiteral("清除应提费用"), this), form.clearFeesDue));
    auto* note = new QLabel(QString::fromUtf8(MainAccountChangeForm::Note), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    addOkCancelButtons(this, layout);
}

}  // namespace korvant::gui
