#include "accounts/mainaccounts/MainAccountForm.h"

#include "text/DecimalText.h"

namespace korvant {

bool validateMainAccountForm(FrontEndPort& port, MainAccountForm& form) {
    if (form.account.empty()) {
        port.info("请填写主账号。  ");
        return false;
    }
    form.initialFundsValue = readDecimal(form.initialFunds);
    form.startInvestmentValue = readDecimal(form.startInvestment);
    form.priorityFundsValue = readDecimal(form.priorityFunds);
    form.managementFeeValue = readDecimal(form.managementFee);
    form.custodyFeeValue = readDecimal(form.custodyFee);
    return true;
}

}  // namespace korvant
