#include <vector>

#include "accounts/mainaccounts/MainAccountAck.h"
#include "accounts/mainaccounts/MainAccountLinkForm.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "accounts/mainaccounts/MainAccountRequests.h"
#include "app/AccountExchange.h"
#include "app/Desk.h"
#include "app/LinkedAccountLoads.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

bool linkMainAccount(Desk& desk) {
    FrontEndPort& port = desk.port();
    loadParentMainAccounts(desk);
    MainAccountLinkForm form;
    for (const MainAccount& m : desk.accounts().mainAccounts.records)
        form.accounts.push_back(m.account);
    form.selected = form.accounts.empty() ? -1 : 0;
    if (!port.editForm(form, [](Form&) { return true; })) return false;
    const std::string account = form.selectedAccount();
    if (account.empty()) return false;  // the parent group has no main account to offer

    const std::string title = "添加主账号";
    const std::string failureRow = textf("添加主账号:%s失败！", account.c_str());
    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    const int length =
        writeMainAccountLink(cmd::LinkMainAccount, account, desk.mainState().group.code,
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
    // Any refusal means the account is linked already, whatever the server says.
    if (ResultPacket::isResult(answer.data(), received) && received >= 5 && answer[4] != 0) {
        desk.statusList().append(title, failureRow, false);
        port.error("账号已存在");
        return false;
    }
    if (acknowledge(desk, answer.data(), received, mainAccountAckTexts(title, failureRow)) !=
        AckResult::Success)
        return false;
    requeryAccountList(desk, AccountList::MainAccountLinks);
    desk.statusList().append(title, textf("添加主账号:%s成功！", account.c_str()), false);
    return true;
}

}  // namespace korvant
