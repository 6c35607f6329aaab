#include <vector>

#include "accounts/mainaccounts/MainAccountAck.h"
#include "accounts/mainaccounts/MainAccountForm.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "accounts/mainaccounts/MainAccountRequests.h"
#include "app/AccountExchange.h"
#include "app/Desk.h"
#include "app/Permissions.h"
#include "protocol/Packet.h"

namespace korvant {

bool createMainAccount(Desk& desk) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::AddMainAccount)) return false;

    MainAccountForm form;
    const bool accepted = port.editForm(form, [&port](Form& f) {
        return validateMainAccountForm(port, static_cast<MainAccountForm&>(f));
    });
    if (!accepted) return false;

    NewMainAccount values;
    values.account = form.account;
    values.initialFunds = form.initialFundsValue;
    values.groupCode = desk.mainState().group.code;
    values.tradingPassword = form.tradingPassword;
    values.startInvestment = form.startInvestmentValue;
    values.priorityFunds = form.priorityFundsValue;
    values.fundPassword = form.fundPassword;
    values.managementFee = form.managementFeeValue;
    values.custodyFee = form.custodyFeeValue;

    const std::string title = "添加主账号";
    const std::string failureRow = textf("添加 %s 失败！", form.account.c_str());
    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    const int length =
        writeCreateMainAccount(values, buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0) {
        port.error("组包失败!");
        return false;
    }
    desk.statusList().append(title,
                             textf("账号:%s, 初始资金:%.2f, 期初投入:%.2f", form.account.c_str(),
                                   values.initialFunds, values.startInvestment),
                             true);
    std::vector<uint8_t> answer;
    const int received = exchange(desk, buffer.data(), length, answer,
                                  accountExchangeTexts(title, failureRow, "与服务器的联接断开了!"));
    if (received <= 0) return false;
    if (acknowledge(desk, answer.data(), received, mainAccountAckTexts(title, failureRow)) !=
        AckResult::Success)
        return false;
    requeryAccountList(desk, AccountList::MainAccounts);
    desk.statusList().append(title, textf("添加 %s 成功！", form.account.c_str()), false);
    return true;
}

}  // namespace korvant
