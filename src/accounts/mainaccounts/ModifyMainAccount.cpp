#include <vector>

#include "accounts/mainaccounts/MainAccountChange.h"
#include "accounts/mainaccounts/MainAccountChangeForm.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "accounts/mainaccounts/MainAccountRequests.h"
#include "app/desk/Desk.h"
#include "app/exchange/FormRetry.h"

namespace korvant {

bool modifyMainAccount(Desk& desk, const MainAccount* record) {
    if (record == nullptr) return false;
    FrontEndPort& port = desk.port();
    MainAccountChangeForm form = MainAccountChangeForm::from(*record);
    const auto validator = [&port](MainAccountChangeForm& f) {
        return validateMainAccountChangeForm(port, f);
    };
    return editAndApply(port, form, validator, [&] {
        if (form.unchanged()) return FormAttempt::Done;
        return formAttemptOf(modifyMainAccount(desk, form));
    });
}

ChangeOutcome modifyMainAccount(Desk& desk, const MainAccountChangeForm& form) {
    MainAccountChange change;
    change.account = form.account;
    change.fundPassword = form.fundPassword;
    change.tradingPassword = form.tradingPassword;
    change.clearFeesDue = form.clearFeesDue;
    change.fees = form.fees();

    ChangeSpec spec =
        mainAccountChange("修改主账号", textf("修改主账号:%s失败！", form.account.c_str()),
                          AccountList::MainAccounts);
    spec.startDetail = textf("修改主账号:%s", form.account.c_str());
    spec.build = [&change](std::span<uint8_t> buffer) {
        return writeModifyMainAccount(change, buffer.data(), static_cast<int>(buffer.size()));
    };
    spec.ack.successRow = textf("修改主账号:%s成功！", form.account.c_str());
    spec.requery = Requery::AfterDispatchFailure;
    return runChange(desk, spec);
}

}  // namespace korvant
