#include <vector>

#include "accounts/mainaccounts/MainAccountChange.h"
#include "accounts/mainaccounts/MainAccountForm.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "accounts/mainaccounts/MainAccountRequests.h"
#include "app/desk/Desk.h"
#include "app/exchange/FormRetry.h"
#include "app/lists/GroupLevelRule.h"
#include "app/session/Permissions.h"

namespace korvant {

bool mayCreateMainAccount(Desk& desk, const std::string& groupCode) {
    return gate(desk.port(), desk.session().permissionMask, GatedOperation::AddMainAccount) &&
           requireGroupLevel(desk, groupCode, GroupLevel::First, "添加主账号");
}

bool createMainAccount(Desk& desk, const std::string& groupCode) {
    FrontEndPort& port = desk.port();
    if (!mayCreateMainAccount(desk, groupCode)) return false;

    MainAccountForm form;
    const auto validator = [&port](MainAccountForm& f) { return validateMainAccountForm(port, f); };
    return editAndApply(port, form, validator,
                        [&] { return formAttemptOf(createMainAccount(desk, groupCode, form)); });
}

ChangeOutcome createMainAccount(Desk& desk, const std::string& groupCode,
                                const MainAccountForm& form) {
    if (!mayCreateMainAccount(desk, groupCode)) return {};
    NewMainAccount values;
    values.account = form.account;
    values.initialFunds = form.initialFundsValue;
    values.groupCode = groupCode;
    values.tradingPassword = form.tradingPassword;
    values.startInvestment = form.startInvestmentValue;
    values.priorityFunds = form.priorityFundsValue;
    values.fundPassword = form.fundPassword;
    values.managementFee = form.managementFeeValue;
    values.custodyFee = form.custodyFeeValue;

    ChangeSpec spec = mainAccountChange("添加主账号", textf("添加 %s 失败！", form.account.c_str()),
                                        AccountList::MainAccounts);
    spec.startDetail = textf("账号:%s, 初始资金:%.2f, 期初投入:%.2f", form.account.c_str(),
                             values.initialFunds, values.startInvestment);
    spec.build = [&values](std::span<uint8_t> buffer) {
        return writeCreateMainAccount(values, buffer.data(), static_cast<int>(buffer.size()));
    };
    spec.successRowAfterRequery = textf("添加 %s 成功！", form.account.c_str());
    return runChange(desk, spec);
}

}  // namespace korvant
