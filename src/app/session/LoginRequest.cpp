#include "app/session/LoginRequest.h"

#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

int writeLoginRequest(std::string_view account, std::string_view password, std::string_view mac,
                      uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, LoginRequestSize, cmd::Login);
    w.text(4, 16, account).text(20, 16, password);
    if (!mac.empty()) w.text(36, 16, mac);
    w.i32(52, 1);
    return w.finish();
}

}  // namespace korvant
