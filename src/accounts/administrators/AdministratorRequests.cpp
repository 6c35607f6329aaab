#include "accounts/administrators/AdministratorRequests.h"

#include "accounts/administrators/AdministratorForm.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

namespace {

void writeIps(PacketWriter& writer, int offset, const AllowedIps& ips) {
    for (std::size_t i = 0; i < ips.size(); ++i)
        writer.u32(offset + static_cast<int>(i) * 4, ips[i]);
}

}  // namespace

int writeAddAdministrator(const AdministratorForm& form, int32_t groupId, uint8_t* buffer,
                          int capacity) {
    PacketWriter writer(buffer, capacity, AddAdministratorSize, cmd::AddAdministrator);
    writer.text(4, 16, form.account)
        .text(20, 16, form.password)
        .u32(36, form.permissionMask)
        .i32(40, groupId)
        .text(44, 32, form.name)
        .i32(76, form.multipleLogins ? 1 : 0);
    writeIps(writer, 80, form.allowedIps);
    writer.i32(100, form.monitorFrom).i32(104, form.monitorTo);
    return writer.finish();
}

int writeModifyAdministrator(const AdministratorForm& form, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, 110, cmd::ModifyAdministrator);
    writer.u8(4, 0)
        .u8(5, 1)
        .text(6, 16, form.account)
        .text(22, 16, form.password)
        .u32(38, form.permissionMask)
        .i32(42, 0)
        .text(46, 32, form.name)
        .i32(78, form.multipleLogins ? 1 : 0);
    writeIps(writer, 82, form.allowedIps);
    writer.i32(102, form.monitorFrom).i32(106, form.monitorTo);
    return writer.finish();
}

int writeDeleteAdministrator(const std::string& account, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, 20, cmd::DeleteAdministrator);
    writer.text(4, 16, account);
    return writer.finish();
}

int writeChangePassword(const std::string& current, const std::string& next, uint8_t* buffer,
                        int capacity) {
    PacketWriter writer(buffer, capacity, 36, cmd::ChangePassword);
    writer.text(4, 16, current).text(20, 16, next);
    return writer.finish();
}

}  // namespace korvant
