#include "accounts/subaccounts/SubAccountRequests.h"

#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

int writeAddSubAccount(const NewSubAccount& v, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, 202, cmd::AddSubAccount);
    w.text(4, 16, v.account)
        .text(20, 16, v.password)
        .i32(36, v.openDate)
        .i32(40, v.groupId)
        .text(44, 32, v.name)
        .i32(76, 0)
        .i32(80, 0)
        .u8(84, 0)
        .u8(85, 0)
        .text(86, 16, v.mainAccount)
        .text(102, 32, v.mac)
        .text(134, 64, v.remark)
        .i32(198, v.options);
    return w.finish();
}

int32_t subAccountChangeFlags(const SubAccountValues& recorded, const SubAccountValues& edited) {
    int32_t flags = 0;
    if (edited.password != recorded.password) flags |= SubAccountPasswordChanged;
    if (edited.name != recorded.name || edited.mac != recorded.mac ||
        edited.remark != recorded.remark || edited.mainAccount != recorded.mainAccount ||
        (edited.options & 0x3) != (recorded.options & 0x3) || edited.groupId != recorded.groupId)
        flags |= SubAccountDetailsChanged;
    return flags;
}

int writeModifySubAccount(std::string_view account, int32_t changeFlags, const SubAccountValues& v,
                          uint8_t* buffer, int capacity) {
    uint8_t plain[ModifySubAccountSize];
    PacketWriter w(plain, sizeof plain, ModifySubAccountSize, cmd::ModifySubAccount);
    w.i32(4, changeFlags)
        .i32(8, 1)
        .i32(12, v.groupId)
        .text(16, 16, v.password)
        .text(32, 32, v.name)
        .text(64, 16, v.mainAccount)
        .text(80, 16, account)
        .text(96, 32, v.mac)
        .text(128, 64, v.remark)
        .i32(192, v.options);
    if (w.finish() != ModifySubAccountSize) return -1;
    return writeCompressedRequest(plain, ModifySubAccountSize, buffer, capacity);
}

int writeDeleteSubAccount(std::string_view account, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, 20, cmd::DeleteSubAccount);
    w.text(4, 16, account);
    return w.finish();
}

}  // namespace korvant
