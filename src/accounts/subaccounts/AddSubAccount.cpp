#include <vector>

#include "accounts/subaccounts/SubAccountForm.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "accounts/subaccounts/SubAccountRequests.h"
#include "app/AccountExchange.h"
#include "app/Desk.h"
#include "app/LinkedAccountLoads.h"
#include "app/Permissions.h"
#include "protocol/Packet.h"

namespace korvant {

bool addSubAccount(Desk& desk) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::AddSubAccount)) return false;
    const CurrentGroup group = desk.mainState().group;
    if (group.id < 0) {
        port.error("请选择用户所在的组!");
        return false;
    }
    loadGroupMainAccountLinks(desk);

    SubAccountForm form;
    form.adding = true;
    form.groups = {{group.id, group.name, group.code}};
    form.groupIndex = 0;
    for (const MainAccountLink& link : desk.accounts().mainAccountLinks.records)
        form.mainAccounts.push_back(link.account);
    form.mainAccountIndex = form.mainAccounts.empty() ? -1 : 0;
    const bool accepted = port.editForm(form, [&port](Form& f) {
        return validateSubAccountForm(port, static_cast<SubAccountForm&>(f), openingDateToday());
    });
    if (!accepted) return false;

    NewSubAccount values;
    values.account = form.account;
    values.password = form.password;
    values.openDate = form.openDate;
    values.groupId = form.selectedGroup()->id;
    values.name = form.name;
    values.mainAccount = form.selectedMainAccount();
    values.mac = form.mac;
    values.remark = form.remark;
    values.options = form.optionBits();

    const std::string title = "添加子账号";
    const std::string failureRow = textf("添加 %s 失败！", form.account.c_str());
    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    const int length = writeAddSubAccount(values, buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0) {
        desk.statusList().append(title, failureRow, true);
        port.error("组包失败!");
        return false;
    }
    desk.statusList().append(title,
                             textf("账号:%s, 密码:%s, 名称:%s, 开户日期:%d, 隶属组:%s",
                                   form.account.c_str(), form.password.c_str(), form.name.c_str(),
                                   form.openDate, form.selectedGroup()->name.c_str()),
                             true);
    std::vector<uint8_t> answer;
    const int received = exchange(desk, buffer.data(), length, answer,
                                  accountExchangeTexts(title, failureRow, "与服务器的联接断开了!"));
    if (received <= 0) return false;

    AckTexts texts;
    texts.title = title;
    texts.failureRow = failureRow;
    texts.parseFailed = "解析数据包失败!";
    texts.notAcknowledged = "服务器返回非确认包, 无法确定操作是否失败!";
    if (acknowledge(desk, answer.data(), received, texts) != AckResult::Success) return false;

    desk.mainState().filter.clearFields();
    requeryAccountList(desk, AccountList::SubAccounts);
    desk.statusList().append(title, textf("添加 %s 成功", form.account.c_str()), false);
    return true;
}

}  // namespace korvant
