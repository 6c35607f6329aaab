#include "accounts/mainaccounts/MainAccountChangeForm.h"

#include "model/AccountColumns.h"
#include "text/DecimalText.h"

namespace korvant {

MainAccountChangeForm MainAccountChangeForm::from(const MainAccount& record) {
    MainAccountChangeForm form;
    form.account = record.account;
    for (std::size_t i = 0; i < form.listedFees.size(); ++i)
        form.listedFees[i] = readDecimal(formatTrimmed(record.feeRates[i], 6));
    form.managementFee = formatTrimmed(record.feeRates[0], 6);
    form.custodyFee = formatTrimmed(record.feeRates[1], 6);
    return form;
}

std::array<double, MainAccount::FeeRateCount> MainAccountChangeForm::fees() const {
    auto block = listedFees;
    block[0] = readDecimal(managementFee);
    block[1] = readDecimal(custodyFee);
    return block;
}

bool validateMainAccountChangeForm(FrontEndPort& port, MainAccountChangeForm& form) {
    form.refusedField.clear();
    const struct {
        const std::string& text;
        double listed;
        const char* name;
        const char* label;
    } rates[] = {{form.managementFee, form.listedFees[0], "managementFee", "管理费率"},
                 {form.custodyFee, form.listedFees[1], "custodyFee", "托管费率"}};
    for (const auto& rate : rates) {
        // The prefilled text stays acceptable whatever the server listed.
        if (rate.text == formatTrimmed(rate.listed, 6)) continue;
        if (!readNumberInput(MainAccountChangeForm::RateInput, rate.text))
            return refuseField(port, form, rate.name,
                               {numberInputRefusal(rate.label, MainAccountChangeForm::RateInput),
                                "提示", MessageIcon::Warning});
    }
    return true;
}

bool MainAccountChangeForm::unchanged() const {
    return fundPassword.empty() && tradingPassword.empty() && fees() == listedFees && !clearFeesDue;
}

}  // namespace korvant
