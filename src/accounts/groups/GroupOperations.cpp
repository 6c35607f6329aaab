#include "accounts/groups/GroupOperations.h"

#include <functional>
#include <vector>

#include "accounts/groups/GroupForm.h"
#include "accounts/groups/GroupRequests.h"
#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "app/exchange/Change.h"
#include "app/exchange/FormRetry.h"
#include "app/lists/AccountListQuery.h"
#include "app/session/Permissions.h"
#include "protocol/Packet.h"

namespace korvant {

namespace {

// The group `id` after the gate of `operation`; nullptr when either fails.
const Group* gatedGroup(Desk& desk, GatedOperation operation, int id) {
    if (!gate(desk.port(), desk.session().permissionMask, operation) || id < 0) return nullptr;
    return desk.reference().groupById(id);
}

// After every dialog, also after a cancel, the template and risk trees are
// drawn again from their caches.
void redrawTemplateAndRiskTrees(Desk& desk) {
    desk.notify(DeskChange::FeeTemplates);
    desk.notify(DeskChange::MarginTemplates);
    desk.notify(DeskChange::RiskStrategies);
}

// Shows `form` until `apply` takes what `valid` accepts, then draws the
// trees again.
bool editGroup(Desk& desk, GroupForm& form, const std::function<bool(GroupForm&)>& valid,
               const std::function<ChangeOutcome(const GroupForm&)>& apply) {
    const bool done =
        editAndApply(desk.port(), form, valid, [&] { return formAttemptOf(apply(form)); });
    redrawTemplateAndRiskTrees(desk);
    return done;
}

// The change of both group requests; after an acknowledgement, also one
// that cannot be dispatched, the group cache is loaded again.
ChangeSpec groupChange(const std::string& title, const std::string& name, const char* verb) {
    ChangeSpec spec;
    spec.title = title;
    spec.exchange = ExchangeTexts::operation("   组包出错! ");
    spec.ack.title = title;
    spec.ack.failureRow = textf("%s组:%s失败！", verb, name.c_str());
    spec.ack.parseFailed = " 解析数据包失败!";
    spec.requery = Requery::AfterDispatchFailure;
    // As the refresh command does (a window also forgets its chosen group).
    spec.requeryList = [](Desk& desk) { desk.dispatcher().send(ActionCode::RefreshGroups); };
    spec.successRowAfterRequery = textf("%s组:%s成功！", verb, name.c_str());
    return spec;
}

void keepHiddenQuota(GroupForm& form, int32_t allowed, int32_t from, int32_t to) {
    form.allowedSubAccounts = allowed;
    form.rangeFrom = from;
    form.rangeTo = to;
}

}  // namespace

bool validateAddGroupForm(FrontEndPort& port, GroupForm& form) {
    // Hidden fields are not the user's: a group below the first level gets
    // no quota and no range.
    if (!form.showQuota) keepHiddenQuota(form, 0, 0, 0);
    return validateGroupForm(port, form);
}

bool validateModifyGroupForm(FrontEndPort& port, const Group& record, GroupForm& form) {
    // The quota and range of a group that does not show them stay as they are.
    if (!form.showQuota)
        keepHiddenQuota(form, record.allowedSubAccounts, record.subAccountFrom,
                        record.subAccountTo);
    return validateGroupForm(port, form);
}

bool addGroup(Desk& desk, int parentId) {
    const Group* parent = gatedGroup(desk, GatedOperation::AddGroup, parentId);
    if (parent == nullptr) return false;
    GroupForm form = makeAddGroupForm(desk.reference().groups.records, *parent);
    return editGroup(
        desk, form, [&desk](GroupForm& f) { return validateAddGroupForm(desk.port(), f); },
        [&desk](const GroupForm& typed) { return addGroup(desk, typed); });
}

ChangeOutcome addGroup(Desk& desk, const GroupForm& form) {
    if (!gate(desk, GatedOperation::AddGroup)) return {};
    ChangeSpec spec = groupChange("添加组", form.name, "添加");
    spec.build = [&form](std::span<uint8_t> buffer) {
        return writeAddGroup(form, buffer.data(), static_cast<int>(buffer.size()));
    };
    // The new group comes as a group record: every command-0 answer is a
    // refusal here, whatever its status.
    spec.judgement = Judgement::Custom;
    spec.judge = [&form, &spec](Desk& d, std::span<const uint8_t> answer) {
        const int length = static_cast<int>(answer.size());
        if (ResultPacket::isResult(answer.data(), length)) {
            ResultPacket result = ResultPacket::parse(answer.data(), length);
            d.statusList().append(spec.title,
                                  textf("添加 %s 失败！%s", form.name.c_str(), result.text.c_str()),
                                  false);
            d.port().error(result.text);
            return AckResult::Refused;
        }
        if (decodeAnswer(d.router(), answer.data(), length) != 0) {
            d.statusList().append(spec.title, spec.ack.failureRow, false);
            d.port().error(spec.ack.parseFailed);
            return AckResult::ParseFailed;
        }
        return AckResult::Success;
    };
    return runChange(desk, spec);
}

bool modifyGroup(Desk& desk, int groupId) {
    const Group* selected = gatedGroup(desk, GatedOperation::ModifyGroup, groupId);
    if (selected == nullptr) return false;
    if (selected->id == desk.session().ownGroupId) {
        desk.port().info(" 没有权限修改自身组! ");
        return false;
    }
    const Group record = *selected;
    GroupForm form = makeModifyGroupForm(desk.reference().groups.records, record);
    return editGroup(
        desk, form,
        [&desk, &record](GroupForm& f) { return validateModifyGroupForm(desk.port(), record, f); },
        [&desk, &record](const GroupForm& typed) { return modifyGroup(desk, record, typed); });
}

ChangeOutcome modifyGroup(Desk& desk, const Group& record, const GroupForm& form) {
    if (!gate(desk, GatedOperation::ModifyGroup)) return {};
    if (record.id == desk.session().ownGroupId) {
        desk.port().info(" 没有权限修改自身组! ");
        return {};
    }
    ChangeSpec spec = groupChange("修改组", form.name, "修改");
    spec.build = [&form, &record](std::span<uint8_t> buffer) {
        return writeModifyGroup(form, record, buffer.data(), static_cast<int>(buffer.size()));
    };
    // A refusal names the group the way the other operations do.
    spec.ack.refusalRow = textf("修改 %s 失败！", form.name.c_str());
    return runChange(desk, spec);
}

void deleteGroup(Desk& desk) {
    desk.port().info("组不允许删除");
}

void registerGroupActions(Desk& desk) {
    ActionDispatcher& d = desk.dispatcher();
    d.registerHandler(ActionCode::DeleteGroup,
                      [&desk](const ActionMessage&) { deleteGroup(desk); });
}

}  // namespace korvant
