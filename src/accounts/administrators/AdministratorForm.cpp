#include "accounts/administrators/AdministratorForm.h"

#include "model/Administrator.h"
#include "model/Group.h"

namespace korvant {

namespace {

// "更多...", every cached group except the own one, then the current group
// again; the last entry (the current group) is selected.
void fillGroupChoices(AdministratorForm& form, std::span<const Group> groups, int32_t ownGroupId,
                      const GroupChoice& current) {
    form.groups.clear();
    form.groups.push_back({MoreGroupsChoice, "更多..."});
    for (const Group& group : groups) {
        if (group.id != ownGroupId) form.groups.push_back({group.id, group.name});
    }
    form.groups.push_back(current);
    form.groupIndex = static_cast<int>(form.groups.size()) - 1;
}

}  // namespace

int32_t AdministratorForm::selectedGroupId() const {
    if (groupIndex < 0 || groupIndex >= static_cast<int>(groups.size())) return -1;
    return groups[static_cast<std::size_t>(groupIndex)].id;
}

bool isAllDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

AdministratorForm makeAddAdministratorForm(std::span<const Group> groups, int32_t ownGroupId,
                                           const GroupChoice& current) {
    AdministratorForm form;
    form.adding = true;
    form.multipleLogins = true;
    fillGroupChoices(form, groups, ownGroupId, current);
    return form;
}

AdministratorForm makeModifyAdministratorForm(const Administrator& record,
                                              std::span<const Group> groups, int32_t ownGroupId,
                                              const GroupChoice& current) {
    AdministratorForm form;
    form.adding = false;
    form.account = record.account;
    form.password = record.password;
    form.name = record.name;
    form.permissionMask = record.permissionMask;
    for (std::size_t i = 0; i < form.ipTexts.size() && i < record.allowedIps.size(); ++i)
        form.ipTexts[i] = formatIpv4(record.allowedIps[i]);
    form.monitorFrom = record.monitorFrom;
    form.monitorTo = record.monitorTo;
    form.multipleLogins = record.multiLogin != 0;
    fillGroupChoices(form, groups, ownGroupId, current);
    return form;
}

bool validateAdministratorForm(FrontEndPort& port, AdministratorForm& form, int32_t today) {
    form.refusedField.clear();
    if (form.account.empty())
        return refuseField(port, form, "account",
                           {"管理员不能为空!", "提示", MessageIcon::Information});
    if (form.adding && isAllDigits(form.account))
        return refuseField(port, form, "account",
                           {"管理员账号不能为纯数字。", "提示", MessageIcon::Information});
    if (form.password.empty())
        return refuseField(port, form, "password",
                           {"密码不能为空!", "提示", MessageIcon::Information});
    form.date = today;
    int32_t group = form.selectedGroupId();
    if (group == -1 || group == MoreGroupsChoice)
        return refuseField(port, form, "group",
                           {"请选择用户所在的组", "提示", MessageIcon::Information});
    form.allowedIps = packAllowedIps(form.ipTexts);
    if (form.monitorFrom < 0) form.monitorFrom = 0;
    if (form.monitorTo < 0) form.monitorTo = 0;
    return true;
}

}  // namespace korvant
