#include <vector>

#include "accounts/mainaccounts/MainAccountChange.h"
#include "accounts/mainaccounts/MainAccountLinkForm.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "accounts/mainaccounts/MainAccountRequests.h"
#include "app/desk/Desk.h"
#include "app/exchange/FormRetry.h"
#include "app/lists/GroupLevelRule.h"
#include "app/lists/LinkedAccountLoads.h"
#include "protocol/CommandCode.h"

namespace korvant {

std::optional<MainAccountLinkForm> prepareMainAccountLink(Desk& desk,
                                                          const std::string& groupCode) {
    if (!requireGroupLevel(desk, groupCode, GroupLevel::Second, "关联主账号")) return {};
    loadParentMainAccounts(desk, groupCode);
    MainAccountLinkForm form;
    for (const MainAccount& m : desk.accounts().mainAccounts.records)
        form.accounts.push_back(m.account);
    form.selected = form.accounts.empty() ? -1 : 0;
    return form;
}

bool linkMainAccount(Desk& desk, const std::string& groupCode) {
    std::optional<MainAccountLinkForm> form = prepareMainAccountLink(desk, groupCode);
    if (!form) return false;
    // A refused link (the account is linked already) offers the choice again.
    return editAndApply(
        desk.port(), *form, [](MainAccountLinkForm&) { return true; },
        [&] {
            const std::string account = form->selectedAccount();
            if (account.empty()) return FormAttempt::Over;  // the parent group offers none
            return formAttemptOf(linkMainAccount(desk, groupCode, account));
        });
}

ChangeOutcome linkMainAccount(Desk& desk, const std::string& groupCode,
                              const std::string& account) {
    if (!requireGroupLevel(desk, groupCode, GroupLevel::Second, "关联主账号")) return {};
    ChangeSpec spec =
        mainAccountLinkChange("添加主账号", textf("添加主账号:%s失败！", account.c_str()),
                              cmd::LinkMainAccount, account, groupCode);
    // Any refusal means the account is linked already, whatever the server says.
    spec.ack.refusalAddsServerText = false;
    spec.ack.refusalMessage = "账号已存在";
    spec.successRowAfterRequery = textf("添加主账号:%s成功！", account.c_str());
    return runChange(desk, spec);
}

}  // namespace korvant
