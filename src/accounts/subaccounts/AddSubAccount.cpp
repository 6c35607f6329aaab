#include <vector>

#include "accounts/subaccounts/SubAccountChange.h"
#include "accounts/subaccounts/SubAccountForm.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "accounts/subaccounts/SubAccountRequests.h"
#include "app/desk/Desk.h"
#include "app/exchange/FormRetry.h"
#include "app/lists/GroupLevelRule.h"
#include "app/lists/LinkedAccountLoads.h"
#include "app/session/Permissions.h"

namespace korvant {

ChangeOutcome addSubAccount(Desk& desk, const SubAccountForm& form) {
    if (!gate(desk, GatedOperation::AddSubAccount)) return {};
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

    ChangeSpec spec = subAccountChange("添加子账号", "添加", form.account);
    spec.startDetail = textf("账号:%s, 密码:%s, 名称:%s, 开户日期:%d, 隶属组:%s",
                             form.account.c_str(), form.password.c_str(), form.name.c_str(),
                             form.openDate, form.selectedGroup()->name.c_str());
    spec.build = [&values](std::span<uint8_t> buffer) {
        return writeAddSubAccount(values, buffer.data(), static_cast<int>(buffer.size()));
    };
    // The list is queried again also when the acknowledgement cannot be
    // dispatched.
    spec.requery = Requery::AfterDispatchFailure;
    return runChange(desk, spec);
}

std::optional<SubAccountForm> prepareAddSubAccount(Desk& desk, const CurrentGroup& group) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::AddSubAccount)) return {};
    if (group.id < 0) {
        port.error("请选择用户所在的组!");
        return {};
    }
    if (!requireGroupLevel(desk, group.code, GroupLevel::Second, "添加子账号")) return {};
    loadGroupMainAccountLinks(desk, group.id);

    SubAccountForm form;
    form.adding = true;
    form.groups = {{group.id, group.name, group.code}};
    form.groupIndex = 0;
    for (const MainAccountLink& link : desk.accounts().mainAccountLinks.records)
        form.mainAccounts.push_back(link.account);
    form.mainAccountIndex = form.mainAccounts.empty() ? -1 : 0;
    return form;
}

bool addSubAccount(Desk& desk, const CurrentGroup& group) {
    std::optional<SubAccountForm> form = prepareAddSubAccount(desk, group);
    if (!form) return false;
    FrontEndPort& port = desk.port();
    const auto validator = [&port](SubAccountForm& f) {
        return validateSubAccountForm(port, f, openingDateToday());
    };
    return editAndApply(port, *form, validator,
                        [&] { return formAttemptOf(addSubAccount(desk, *form)); });
}

}  // namespace korvant
