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

bool MainAccountChangeForm::unchanged() const {
    return fundPassword.empty() && tradingPassword.empty() && fees() == listedFees && !clearFeesDue;
}

}  // namespace korvant
