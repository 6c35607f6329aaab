#include <algorithm>
#include <vector>

#include "accounts/subaccounts/SubAccountChange.h"
#include "accounts/subaccounts/SubAccountDeletePrompt.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "accounts/subaccounts/SubAccountRequests.h"
#include "app/desk/Desk.h"
#include "app/lists/AccountListAgain.h"
#include "app/lists/AccountListQuery.h"
#include "app/session/Permissions.h"

namespace korvant {

bool deleteSubAccounts(Desk& desk, const std::vector<SubAccount>& selected) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::DeleteSubAccount)) return false;
    if (selected.empty()) return false;
    if (!port.askYesNo({subAccountDeletePrompt(selected), "提示", MessageIcon::Question, true}))
        return false;

    const std::vector<SubAccount> accounts = selected;  // the caches change on the way
    bool first = true;
    bool allDeleted = true;
    for (const SubAccount& account : accounts) {
        ChangeSpec spec = subAccountChange("删除子账号", "删除", account.account);
        spec.startDetail = textf("账号:%s, 名称:%s, 隶属:%s", account.account.c_str(),
                                 account.name.c_str(), account.mainAccount.c_str());
        spec.startClears = first;
        spec.build = [&account](std::span<uint8_t> buffer) {
            return writeDeleteSubAccount(account.account, buffer.data(),
                                         static_cast<int>(buffer.size()));
        };
        spec.buildFailureRow = BuildFailureRow::None;
        spec.exchange.receiveFailed.text = " 与服务器的联接断开了!";
        spec.ack.notAcknowledged = "服务器返回非确认包, 无法确定操作是否成功!";
        spec.ack.successRow = textf("删除 %s 成功", account.account.c_str());
        spec.successRowAfterRequery.clear();
        spec.requery = Requery::Never;
        const ChangeOutcome outcome = runChange(desk, spec);
        if (!outcome.built) return false;  // stops at once, without the list
        first = false;
        if (!outcome.done) allDeleted = false;
    }
    requeryAccountList(desk, AccountList::SubAccounts);
    return allDeleted;
}

}  // namespace korvant
