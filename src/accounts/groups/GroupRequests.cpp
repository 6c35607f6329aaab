#include "accounts/groups/GroupRequests.h"

#include <vector>

#include "accounts/groups/GroupForm.h"
#include "model/Group.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

uint8_t groupChangeFlags(const Group& record, int32_t parentId, const std::string& remark) {
    uint8_t flags = 0;
    if (parentId != record.parentId && parentId != -2) flags |= GroupParentChanged;
    if (remark != record.remark) flags |= GroupRemarkChanged;
    return flags;
}

int writeAddGroup(const GroupForm& form, uint8_t* buffer, int capacity) {
    std::vector<uint8_t> plain(AddGroupPlainSize);
    PacketWriter writer(plain.data(), AddGroupPlainSize, AddGroupPlainSize, cmd::AddGroup);
    writer.text(4, 32, form.name)
        .i32(36, form.parentId)
        .text(40, 32, form.remark)
        .i32(72, 0)
        .i32(76, 0)
        .i32(112, form.showQuota ? form.allowedSubAccounts : 0)
        .i32(116, form.showQuota ? form.rangeFrom : 0)
        .i32(120, form.showQuota ? form.rangeTo : 0);
    return writeCompressedRequest(plain.data(), writer.finish(), buffer, capacity);
}

int writeModifyGroup(const GroupForm& form, const Group& record, uint8_t* buffer, int capacity) {
    std::vector<uint8_t> plain(ModifyGroupPlainSize);
    PacketWriter writer(plain.data(), ModifyGroupPlainSize, ModifyGroupPlainSize, cmd::ModifyGroup);
    writer.u8(4, groupChangeFlags(record, form.parentId, form.remark))
        .text(5, 32, form.name)
        .i32(37, record.id)
        .i32(41, form.parentId)
        .text(45, 32, form.remark)
        .i32(77, record.referenceValue)
        .i32(81, 0)
        .i32(117, form.allowedSubAccounts)
        .i32(121, form.rangeFrom)
        .i32(125, form.rangeTo);
    return writeCompressedRequest(plain.data(), writer.finish(), buffer, capacity);
}

}  // namespace korvant
