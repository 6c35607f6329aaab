#include <vector>

#include "accounts/mainaccounts/MainAccountChange.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "accounts/mainaccounts/MainAccountRequests.h"
#include "app/desk/Desk.h"

namespace korvant {

bool deleteMainAccount(Desk& desk, const MainAccount* record) {
    FrontEndPort& port = desk.port();
    if (record == nullptr) {
        port.info("请先选中要删除的主账号。");
        return false;
    }
    const std::string account = record->account;
    if (!port.askYesNo(
            {textf("删除主账号 %s 吗?", account.c_str()), "提示", MessageIcon::Question, true}))
        return false;

    ChangeSpec spec = mainAccountChange("删除主账号", textf("删除 %s 失败！", account.c_str()),
                                        AccountList::MainAccounts, " 与服务器的联接断开了!");
    spec.exchange.buildFailed.text = "  组包失败!";
    spec.startDetail = textf("账号: %s", account.c_str());
    spec.build = [&account](std::span<uint8_t> buffer) {
        return writeDeleteMainAccount(account, buffer.data(), static_cast<int>(buffer.size()));
    };
    spec.ack.notAcknowledged = "服务器返回非确认包, 无法确定操作是否成功!";
    spec.ack.refusalAddsServerText = false;
    spec.ack.successRow = textf("删除 %s 成功", account.c_str());
    // Whatever the answer, the list is queried again.
    spec.requery = Requery::AfterAnswer;
    return runChange(desk, spec).done;
}

}  // namespace korvant
