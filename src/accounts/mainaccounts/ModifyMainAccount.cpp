#include <vector>

#include "accounts/mainaccounts/MainAccountAck.h"
#include "accounts/mainaccounts/MainAccountChangeForm.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "accounts/mainaccounts/MainAccountRequests.h"
#include "app/AccountExchange.h"
#include "app/Desk.h"
#include "protocol/Packet.h"

namespace korvant {

bool modifyMainAccount(Desk& desk, const MainAccount* record) {
    if (record == nullptr) return false;
    FrontEndPort& port = desk.port();
    MainAccountChangeForm form = MainAccountChangeForm::from(*record);
    if (!port.editForm(form, [](Form&) { return true; })) return false;
    if (form.unchanged()) return true;

    MainAccountChange change;
    change.account = form.account;
    change.fundPassword = form.fundPassword;
    change.tradingPassword = form.tradingPassword;
    change.clearFeesDue = form.clearFeesDue;
    change.fees = form.fees();

    const std::string title = "修改主账号";
    const std::string failureRow = textf("修改主账号:%s失败！", form.account.c_str());
    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    const int length =
        writeModifyMainAccount(change, buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0) {
        port.error("组包失败!");
        return false;
    }
    desk.statusList().append(title, textf("修改主账号:%s", form.account.c_str()), true);
    std::vector<uint8_t> answer;
    const int received = exchange(desk, buffer.data(), length, answer,
                                  accountExchangeTexts(title, failureRow, "与服务器的联接断开了!"));
    if (received <= 0) return false;
    AckTexts texts = mainAccountAckTexts(title, failureRow);
    texts.successRow = textf("修改主账号:%s成功！", form.account.c_str());
    const AckResult result = acknowledge(desk, answer.data(), received, texts);
    if (result == AckResult::Success || result == AckResult::ParseFailed)
        requeryAccountList(desk, AccountList::MainAccounts);
    return result == AckResult::Success;
}

}  // namespace korvant
