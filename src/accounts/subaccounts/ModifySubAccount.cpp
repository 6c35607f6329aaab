#include <strings.h>

#include <vector>

#include "accounts/subaccounts/SubAccountChange.h"
#include "accounts/subaccounts/SubAccountForm.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "accounts/subaccounts/SubAccountRequests.h"
#include "app/desk/Desk.h"
#include "app/exchange/FormRetry.h"
#include "app/lists/LinkedAccountLoads.h"
#include "app/session/Permissions.h"
#include "protocol/Packet.h"

namespace korvant {

namespace {

// The second-level groups sharing the first-level code of `groupId`, that
// group selected.
void fillGroupChoices(const ReferenceData& reference, int32_t groupId, SubAccountForm& form) {
    const Group* own = reference.groupById(groupId);
    const std::string prefix = own != nullptr ? own->groupCode.substr(0, 2) : std::string();
    for (const Group& g : reference.groups.records) {
        if (g.groupCode.size() != 4 || g.groupCode.compare(0, 2, prefix) != 0) continue;
        if (g.id == groupId) form.groupIndex = static_cast<int>(form.groups.size());
        form.groups.push_back({g.id, g.name, g.groupCode});
    }
}

}  // namespace

std::optional<SubAccountForm> prepareModifySubAccount(Desk& desk, int listedGroupId,
                                                      const SubAccount& record) {
    if (!gate(desk.port(), desk.session().permissionMask, GatedOperation::ModifySubAccount))
        return {};
    loadGroupMainAccountLinks(desk, listedGroupId);

    SubAccountForm form;
    form.adding = false;
    form.account = record.account;
    form.password = record.password;
    form.name = record.name;
    form.mac = record.mac;
    form.remark = record.remark;
    form.noFeesOnStatement = (record.options & SubAccount::NoFeesOnStatement) != 0;
    form.noSingleSideMargin = (record.options & SubAccount::NoSingleSideMargin) != 0;
    fillGroupChoices(desk.reference(), record.groupId, form);
    for (const MainAccountLink& link : desk.accounts().mainAccountLinks.records) {
        if (strcasecmp(link.account.c_str(), record.mainAccount.c_str()) == 0)
            form.mainAccountIndex = static_cast<int>(form.mainAccounts.size());
        form.mainAccounts.push_back(link.account);
    }
    return form;
}

bool modifySubAccount(Desk& desk, int listedGroupId, const SubAccount* selected) {
    if (selected == nullptr) {
        gate(desk.port(), desk.session().permissionMask, GatedOperation::ModifySubAccount);
        return false;
    }
    const SubAccount record = *selected;  // the caches change during the operation
    std::optional<SubAccountForm> form = prepareModifySubAccount(desk, listedGroupId, record);
    if (!form) return false;
    FrontEndPort& port = desk.port();
    const auto validator = [&port](SubAccountForm& f) {
        return validateSubAccountForm(port, f, openingDateToday());
    };
    return editAndApply(port, *form, validator,
                        [&] { return formAttemptOf(modifySubAccount(desk, record, *form)); });
}

ChangeOutcome modifySubAccount(Desk& desk, const SubAccount& record, const SubAccountForm& form) {
    if (!gate(desk, GatedOperation::ModifySubAccount)) return {};
    const SubAccountValues recorded{record.groupId,     record.password, record.name,
                                    record.mainAccount, record.mac,      record.remark,
                                    record.options};
    SubAccountValues edited;
    edited.groupId = form.selectedGroup()->id;
    edited.password = form.password;
    edited.name = form.name;
    edited.mainAccount = form.selectedMainAccount();
    edited.mac = form.mac;
    edited.remark = form.remark;
    edited.options = (record.options & ~0x3) | form.optionBits();

    ChangeSpec spec = subAccountChange("修改子账号", "修改", form.account);
    spec.startDetail = textf("账号:%s, 密码:%s, 名称:%s, 组:%s, 主账号:%s", form.account.c_str(),
                             form.password.c_str(), form.name.c_str(),
                             form.selectedGroup()->name.c_str(), edited.mainAccount.c_str());
    const int32_t flags = subAccountChangeFlags(recorded, edited);
    spec.build = [&desk, &form, &edited, flags](std::span<uint8_t> buffer) {
        const int length = writeModifySubAccount(form.account, flags, edited, buffer.data(),
                                                 static_cast<int>(buffer.size()));
        if (length > 0 && buffer[2] != FlagCompressed) desk.port().info("error");  // uncompressed
        return length;
    };
    return runChange(desk, spec);
}

}  // namespace korvant
