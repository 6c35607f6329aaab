#include <algorithm>
#include <vector>

#include "accounts/subaccounts/SubAccountDeletePrompt.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "accounts/subaccounts/SubAccountRequests.h"
#include "app/AccountExchange.h"
#include "app/Desk.h"
#include "app/Permissions.h"
#include "protocol/Packet.h"

namespace korvant {

bool deleteSubAccounts(Desk& desk, const std::vector<SubAccount>& selected) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::DeleteSubAccount)) return false;
    if (selected.empty()) return false;
    if (!port.askYesNo({subAccountDeletePrompt(selected), "提示", MessageIcon::Question}))
        return false;

    const std::string title = "删除子账号";
    const std::vector<SubAccount> accounts = selected;  // the caches change on the way
    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    std::vector<uint8_t> answer;
    bool first = true;
    bool allDeleted = true;
    for (const SubAccount& account : accounts) {
        const int length =
            writeDeleteSubAccount(account.account, buffer.data(), static_cast<int>(buffer.size()));
        if (length <= 0) {
            port.error("组包失败!");
            return false;
        }
        desk.statusList().append(title,
                                 textf("账号:%s, 名称:%s, 隶属:%s", account.account.c_str(),
                                       account.name.c_str(), account.mainAccount.c_str()),
                                 first);
        first = false;
        const std::string failureRow = textf("删除 %s 失败！", account.account.c_str());
        const int received =
            exchange(desk, buffer.data(), length, answer,
                     accountExchangeTexts(title, failureRow, " 与服务器的联接断开了!"));
        if (received <= 0) {
            allDeleted = false;
            continue;
        }

        AckTexts texts;
        texts.title = title;
        texts.failureRow = failureRow;
        texts.parseFailed = "解析数据包失败!";
        texts.notAcknowledged = "服务器返回非确认包, 无法确定操作是否成功!";
        texts.successRow = textf("删除 %s 成功", account.account.c_str());
        if (acknowledge(desk, answer.data(), received, texts) != AckResult::Success)
            allDeleted = false;
    }
    requeryAccountList(desk, AccountList::SubAccounts);
    return allDeleted;
}

}  // namespace korvant
