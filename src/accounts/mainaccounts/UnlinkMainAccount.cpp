#include <vector>

#include "accounts/mainaccounts/MainAccountAck.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "accounts/mainaccounts/MainAccountRequests.h"
#include "app/AccountExchange.h"
#include "app/ActionDispatcher.h"
#include "app/Desk.h"
#include "app/LinkedAccountLoads.h"
#include "app/Permissions.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

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
    if (!port.askYesNo({textf("删除主账号 %s ？", account.c_str()), "确认", MessageIcon::Question}))
        return false;
    return true;
}

bool requestUnlinkMainAccount(Desk& desk, int linkRow) {
    if (!confirmUnlinkMainAccount(desk, linkRow)) return false;
    desk.dispatcher().post(ActionCode::UnlinkMainAccount, linkRow);
    return true;
}

bool unlinkMainAccount(Desk& desk, std::string account) {
    FrontEndPort& port = desk.port();
    loadParentMainAccounts(desk);

    const std::string title = "删除主账号";
    const std::string failureRow = textf("删除 %s 失败！", account.c_str());
    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    const int length =
        writeMainAccountLink(cmd::UnlinkMainAccount, account, desk.mainState().group.code,
                             buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0) {
        port.error("组包失败!");
        return false;
    }
    desk.statusList().append(title, textf("账号:%s", account.c_str()), true);
    std::vector<uint8_t> answer;
    const int received = exchange(desk, buffer.data(), length, answer,
                                  accountExchangeTexts(title, failureRow, "与服务器的联接断开了!"));
    if (received <= 0) return false;
    if (acknowledge(desk, answer.data(), received, mainAccountAckTexts(title, failureRow)) !=
        AckResult::Success)
        return false;
    requeryAccountList(desk, AccountList::MainAccountLinks);
    desk.statusList().append(title, textf("删除 %s 成功", account.c_str()), false);
    return true;
}

}  // namespace korvant
