#include <vector>

#include "accounts/mainaccounts/MainAccountAck.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "accounts/mainaccounts/MainAccountRequests.h"
#include "app/AccountExchange.h"
#include "app/Desk.h"
#include "protocol/Packet.h"

namespace korvant {

bool deleteMainAccount(Desk& desk, const MainAccount* record) {
    FrontEndPort& port = desk.port();
    if (record == nullptr) {
        port.info("请先选中要删除的主账号。");
        return false;
    }
    const std::string account = record->account;
    if (!port.askYesNo(
            {textf("删除主账号 %s 吗?", account.c_str()), "提示", MessageIcon::Question}))
        return false;

    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    const int length =
        writeDeleteMainAccount(account, buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0) {
        port.error("  组包失败!");
        return false;
    }
    const std::string title = "删除主账号";
    const std::string failureRow = textf("删除 %s 失败！", account.c_str());
    desk.statusList().append(title, textf("账号: %s", account.c_str()), true);
    std::vector<uint8_t> answer;
    const int received =
        exchange(desk, buffer.data(), length, answer,
                 accountExchangeTexts(title, failureRow, " 与服务器的联接断开了!"));
    if (received <= 0) return false;
    AckTexts texts = mainAccountAckTexts(title, failureRow, true);
    texts.refusalAddsServerText = false;
    texts.successRow = textf("删除 %s 成功", account.c_str());
    const AckResult result = acknowledge(desk, answer.data(), received, texts);
    requeryAccountList(desk, AccountList::MainAccounts);
    return result == AckResult::Success;
}

}  // namespace korvant
