#include "accounts/mainaccounts/MainAccountRequests.h"

#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

int writeCreateMainAccount(const NewMainAccount& v, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, 164, cmd::AddMainAccount);
    w.text(4, 16, v.account)
        .f64(20, v.initialFunds)
        .text(28, 16, v.groupCode)
        .text(44, 32, v.tradingPassword)
        .f64(76, v.startInvestment)
        .f64(84, v.priorityFunds)
        .text(92, 32, v.fundPassword)
        .f64(124, v.managementFee)
        .f64(132, v.custodyFee);
    return w.finish();
}

int writeModifyMainAccount(const MainAccountChange& v, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, 136, cmd::ModifyMainAccount);
    w.text(4, 16, v.account)
        .text(28, 32, v.fundPassword)
        .text(60, 32, v.tradingPassword)
        .i32(92, v.clearFeesDue ? 1 : 0);
    for (std::size_t i = 0; i < v.fees.size(); ++i) w.f64(96 + 8 * static_cast<int>(i), v.fees[i]);
    return w.finish();
}

int writeDeleteMainAccount(std::string_view account, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, 20, cmd::DeleteMainAccount);
    w.text(4, 16, account);
    return w.finish();
}

int writeMainAccountLink(uint8_t command, std::string_view account, std::string_view groupCode,
                         uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, 36, command);
    w.text(4, 16, account).text(20, 16, groupCode);
    return w.finish();
}

}  // namespace korvant
