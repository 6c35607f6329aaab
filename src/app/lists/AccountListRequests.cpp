#include "app/lists/AccountListRequests.h"

#include <cstddef>
#include <iterator>

#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

// Copies `width` filter bytes as a text field; its last byte stays NUL.
void copyText(PacketWriter& w, int offset, const uint8_t* from, int width) {
    w.bytes(offset, from, width - 1);
}

// The body shared by the administrator and the sub-account lists: group id,
// account and password keywords, the four filter bytes at `numberAt` (the
// administrator number or the opening date), the remark, page, category.
PacketWriter& writeFilterFields(PacketWriter& w, int32_t groupId, const SearchFilter& filter,
                                int32_t page, int numberAt) {
    const auto f = filter.toWire();
    w.i32(4, groupId);
    copyText(w, 8, f.data() + 0, 16);
    copyText(w, 24, f.data() + 16, 16);
    w.bytes(40, f.data() + numberAt, 4);
    copyText(w, 44, f.data() + numberAt + 4, 32);
    return w.i32(76, page).u8(80, filter.flags);
}

}  // namespace

int writeMainAccountListRequest(int32_t groupId, const SearchFilter& filter, int32_t page,
                                uint8_t* buffer, int capacity) {
    auto f = filter.toWire();
    PacketWriter w(buffer, capacity, MainAccountListRequestSize, cmd::MainAccountList);
    w.i32(4, groupId);
    copyText(w, 8, f.data() + 0, 16);
    w.i32(24, page).i32(28, 0);
    return w.finish();
}

int writeAdministratorListRequest(int32_t groupId, const SearchFilter& filter, int32_t page,
                                  uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, AdministratorListRequestSize, cmd::AdministratorList);
    return writeFilterFields(w, groupId, filter, page, 32).finish();
}

int writeMainAccountLinksRequest(int32_t groupId, int32_t page, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, MainAccountLinksRequestSize, cmd::MainAccountLinks);
    w.i32(4, groupId).i32(8, page);
    return w.finish();
}

int writeSubAccountListRequest(int32_t groupId, const SearchFilter& filter, int32_t page,
                               uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, SubAccountListRequestSize, cmd::SubAccountList);
    return writeFilterFields(w, groupId, filter, page, 40).u8(81, 0).finish();
}

int writeGroupIdQuery(std::string_view groupCode, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, GroupIdQuerySize, cmd::GroupIdOfCode);
    w.text(4, 16, groupCode);
    return w.finish();
}

int writeListRequest(AccountList list, int groupId, const SearchFilter& filter, int page,
                     uint8_t* buffer, int capacity) {
    switch (list) {
        case AccountList::MainAccounts:
            return writeMainAccountListRequest(groupId, filter, page, buffer, capacity);
        case AccountList::Administrators:
            return writeAdministratorListRequest(groupId, filter, page, buffer, capacity);
        case AccountList::MainAccountLinks:
            return writeMainAccountLinksRequest(groupId, page, buffer, capacity);
        case AccountList::SubAccounts:
            return writeSubAccountListRequest(groupId, filter, page, buffer, capacity);
        case AccountList::None:
            break;
    }
    return -1;
}

uint8_t listCommand(AccountList list) {
    // In the order of AccountList, None first.
    static constexpr uint8_t Commands[] = {0, cmd::MainAccountList, cmd::AdministratorList,
                                           cmd::MainAccountLinks, cmd::SubAccountList};
    const auto index = static_cast<std::size_t>(list);
    return index < std::size(Commands) ? Commands[index] : 0;
}

}  // namespace korvant
