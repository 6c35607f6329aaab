#include "accounts/groups/GroupForm.h"

#include "model/Group.h"

namespace korvant {

namespace {

std::vector<GroupChoice> allGroups(std::span<const Group> groups) {
    std::vector<GroupChoice> choices;
    choices.reserve(groups.size());
    for (const Group& group : groups) choices.push_back({group.id, group.name});
    return choices;
}

}  // namespace

GroupForm makeAddGroupForm(std::span<const Group> groups, const Group& parent) {
    GroupForm form;
    form.adding = true;
    form.parents = allGroups(groups);
    form.parentId = parent.id;
    form.showQuota = parent.groupCode.empty();
    return form;
}

GroupForm makeModifyGroupForm(std::span<const Group> groups, const Group& record) {
    GroupForm form;
    form.adding = false;
    form.parents = allGroups(groups);
    form.name = record.name;
    form.remark = record.remark;
    form.parentId = record.parentId;
    form.showQuota = record.groupCode.size() == 2;
    form.allowedSubAccounts = record.allowedSubAccounts;
    form.rangeFrom = record.subAccountFrom;
    form.rangeTo = record.subAccountTo;
    return form;
}

bool validateGroupForm(FrontEndPort& port, GroupForm& form) {
    form.refusedField.clear();
    if (form.name.empty())
        return refuseField(port, form, "name", {"组名不能为空", "提示", MessageIcon::Information});
    if (form.rangeTo < form.rangeFrom)
        return refuseField(port, form, "rangeTo",
                           {"起始账号不能小于终止账号", "提示", MessageIcon::Information});
    return true;
}

}  // namespace korvant
