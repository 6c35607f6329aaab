#include <vector>

#include "accounts/mainaccounts/MainAccountChange.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "accounts/mainaccounts/MainAccountRequests.h"
#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "app/lists/GroupLevelRule.h"
#include "app/lists/LinkedAccountLoads.h"
#include "app/session/Permissions.h"
#include "protocol/CommandCode.h"

namespace korvant {

bool confirmUnlinkMainAccount(Desk& desk, int linkRow) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::DeleteMainAccount)) return false;
    const RecordCache<MainAccountLink>& links = desk.accounts().mainAccountLinks;
    if (linkRow < 0 || linkRow >= links.count()) {
        port.info("  请先选择主账号。");
        return false;
    }
    const std::string& account = links.at(linkRow).account;
    if (!port.askYesNo(
            {textf("删除主账号 %s ？", account.c_str()), "确认", MessageIcon::Question, true}))
        return false;
    return true;
}

bool requestUnlinkMainAccount(Desk& desk, int linkRow) {
    if (!confirmUnlinkMainAccount(desk, linkRow)) return false;
    desk.dispatcher().post(ActionCode::UnlinkMainAccount, linkRow);
    return true;
}

bool unlinkMainAccount(Desk& desk, const std::string& groupCode, std::string account) {
    if (!gate(desk, GatedOperation::DeleteMainAccount)) return false;
    if (!requireGroupLevel(desk, groupCode, GroupLevel::Second, "取消关联主账号")) return false;
    loadParentMainAccounts(desk, groupCode);

    ChangeSpec spec = mainAccountLinkChange("删除主账号", textf("删除 %s 失败！", account.c_str()),
                                            cmd::UnlinkMainAccount, account, groupCode);
    spec.successRowAfterRequery = textf("删除 %s 成功", account.c_str());
    return runChange(desk, spec).done;
}

}  // namespace korvant
