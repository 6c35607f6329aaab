#include "accounts/mainaccounts/MainAccountForm.h"

#include <optional>

namespace korvant {

bool validateMainAccountForm(FrontEndPort& port, MainAccountForm& form) {
    form.refusedField.clear();
    if (form.account.empty())
        return refuseField(port, form, "account",
                           {"请填写主账号。  ", "提示", MessageIcon::Information});
    struct Field {
        const std::string& text;
        double& value;
        const NumberInput& input;
        const char* name;
        const char* label;
    };
    const Field fields[] = {
        {form.initialFunds, form.initialFundsValue, MainAccountForm::AmountInput, "initialFunds",
         "初始资金"},
        {form.startInvestment, form.startInvestmentValue, MainAccountForm::AmountInput,
         "startInvestment", "期初投入"},
        {form.priorityFunds, form.priorityFundsValue, MainAccountForm::AmountInput, "priorityFunds",
         "优先资金"},
        {form.managementFee, form.managementFeeValue, MainAccountForm::RateInput, "managementFee",
         "管理费"},
        {form.custodyFee, form.custodyFeeValue, MainAccountForm::RateInput, "custodyFee", "托管费"},
    };
    for (const Field& field : fields) {
        const std::optional<double> value = readNumberInput(field.input, field.text);
        if (!value)
            return refuseField(
                port, form, field.name,
                {numberInputRefusal(field.label, field.input), "提示", MessageIcon::Warning});
        field.value = *value;
    }
    return true;
}

}  // namespace korvant
