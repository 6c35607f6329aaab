#include "accounts/groups/GroupOperations.h"

#include <vector>

#include "accounts/groups/GroupForm.h"
#include "accounts/groups/GroupRequests.h"
#include "app/AccountLists.h"
#include "app/ActionDispatcher.h"
#include "app/Desk.h"
#include "app/Exchange.h"
#include "app/Permissions.h"
#include "protocol/Packet.h"

namespace korvant {

namespace {

constexpr int OperationBufferSize = 24796;

// The group selected in the groups tree, or null.
const Group* selectedGroup(Desk& desk) {
    int id = desk.mainState().group.id;
    if (id < 0) return nullptr;
    return desk.reference().groupById(id);
}

// After every dialog, also after a cancel, the template and risk trees are
// drawn again from their caches.
void redrawTemplateAndRiskTrees(Desk& desk) {
    desk.notify(DeskChange::FeeTemplates);
    desk.notify(DeskChange::MarginTemplates);
    desk.notify(DeskChange::RiskStrategies);
}

// Build, send and receive of both group requests. Returns the answer's
// length, or -1 after the failure was reported (or the program ended).
int exchangeGroupRequest(Desk& desk, const std::vector<uint8_t>& request, int length,
                         std::vector<uint8_t>& answer, const std::string& title,
                         const std::string& failureRow) {
    ExchangeTexts texts = ExchangeTexts::operation("   组包出错! ");
    texts.failureRowTitle = title;
    texts.failureRowDetail = failureRow;
    answer.assign(OperationBufferSize, 0);
    return exchange(desk, request.data(), length, answer, texts);
}

void keepHiddenQuota(GroupForm& form, int32_t allowed, int32_t from, int32_t to) {
    form.allowedSubAccounts = allowed;
    form.rangeFrom = from;
    form.rangeTo = to;
}

}  // namespace

bool addGroup(Desk& desk) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::AddGroup)) return false;
    const Group* parent = selectedGroup(desk);
    if (parent == nullptr) return false;

    GroupForm form = makeAddGroupForm(desk.reference().groups.records, *parent);
    bool accepted = port.editForm(form, [&port](Form& f) {
        auto& typed = static_cast<GroupForm&>(f);
        // Hidden fields are not the user's: a group below the first level
        // gets no quota and no range.
        if (!typed.showQuota) keepHiddenQuota(typed, 0, 0, 0);
        return validateGroupForm(port, typed);
    });
    bool done = false;
    if (accepted) {
        const std::string title = "添加组";
        const std::string failureRow = textf("添加组:%s失败！", form.name.c_str());
        std::vector<uint8_t> request(OperationBufferSize, 0);
        int length = writeAddGroup(form, request.data(), static_cast<int>(request.size()));
        std::vector<uint8_t> answer;
        int received = exchangeGroupRequest(desk, request, length, answer, title, failureRow);
        if (received > 0) {
            if (ResultPacket::isResult(answer.data(), received)) {
                // Every command-0 answer is a refusal here, whatever its status.
                ResultPacket result = ResultPacket::parse(answer.data(), received);
                desk.statusList().append(
                    title, textf("添加 %s 失败！%s", form.name.c_str(), result.text.c_str()),
                    false);
                port.error(result.text);
            } else {
                int32_t newId = 0;
                bool decoded = decodeAnswer(desk.router(), answer.data(), received, &newId) == 0;
                if (!decoded) {
                    desk.statusList().append(title, failureRow, false);
                    port.error(" 解析数据包失败!");
                }
                refreshGroups(desk);
                done = decoded;
                if (decoded)
                    desk.statusList().append(title, textf("添加组:%s成功！", form.name.c_str()),
                                             false);
            }
        }
    }
    redrawTemplateAndRiskTrees(desk);
    return done;
}

bool modifyGroup(Desk& desk) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::ModifyGroup)) return false;
    const Group* selected = selectedGroup(desk);
    if (selected == nullptr) return false;
    if (selected->id == desk.session().ownGroupId) {
        port.info(" 没有权限修改自身组! ");
        return false;
    }
    const Group record = *selected;

    GroupForm form = makeModifyGroupForm(desk.reference().groups.records, record);
    bool accepted = port.editForm(form, [&port, &record](Form& f) {
        auto& typed = static_cast<GroupForm&>(f);
        // The quota and range of a group that does not show them stay as
        // they are.
        if (!typed.showQuota)
            keepHiddenQuota(typed, record.allowedSubAccounts, record.subAccountFrom,
                            record.subAccountTo);
        return validateGroupForm(port, typed);
    });
    bool done = false;
    if (accepted) {
        const std::string title = "修改组";
        const std::string failureRow = textf("修改组:%s失败！", form.name.c_str());
        std::vector<uint8_t> request(OperationBufferSize, 0);
        int length =
            writeModifyGroup(form, record, request.data(), static_cast<int>(request.size()));
        std::vector<uint8_t> answer;
        int received = exchangeGroupRequest(desk, request, length, answer, title, failureRow);
        if (received > 0) {
            bool refused = ResultPacket::isResult(answer.data(), received) &&
                           ResultPacket::parse(answer.data(), received).status != 0;
            if (refused) {
                // A refusal names the group the way the other operations do.
                ResultPacket result = ResultPacket::parse(answer.data(), received);
                desk.statusList().append(
                    title, textf("修改 %s 失败！%s", form.name.c_str(), result.text.c_str()),
                    false);
                port.error(result.text);
            } else {
                AckTexts ack;
                ack.title = title;
                ack.failureRow = failureRow;
                ack.parseFailed = " 解析数据包失败!";
                AckResult outcome = acknowledge(desk, answer.data(), received, ack);
                if (outcome == AckResult::Success || outcome == AckResult::ParseFailed)
                    refreshGroups(desk);
                done = outcome == AckResult::Success;
                if (done)
                    desk.statusList().append(title, textf("修改组:%s成功！", form.name.c_str()),
                                             false);
            }
        }
    }
    redrawTemplateAndRiskTrees(desk);
    return done;
}

void deleteGroup(Desk& desk) {
    desk.port().info("组不允许删除");
}

void registerGroupActions(Desk& desk) {
    ActionDispatcher& d = desk.dispatcher();
    d.registerHandler(ActionCode::AddGroup, [&desk](const ActionMessage&) { addGroup(desk); });
    d.registerHandler(ActionCode::ModifyGroup,
                      [&desk](const ActionMessage&) { modifyGroup(desk); });
    d.registerHandler(ActionCode::DeleteGroup,
                      [&desk](const ActionMessage&) { deleteGroup(desk); });
}

}  // namespace korvant
