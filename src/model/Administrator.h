#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/WireFields.h"

// An administrator as listed (one record of the command-97 answers).
namespace korvant {

struct Administrator {
    static constexpr int WireSize = 136;
    static constexpr int IpCount = 5;

    std::string account;
    std::string password;  // plain text
    uint32_t permissionMask = 0;
    std::string groupName;
    int32_t groupId = 0;
    std::string name;
    int32_t multiLogin = 0;  // 1 allows several logins at once
    // Allowed IPv4 addresses exactly as on the wire (network byte order, so
    // the first octet is the low byte of the value); empty entries are 0
    // and filled ones are packed at the front. All zero allows every
    // address.
    std::array<uint32_t, IpCount> allowedIps{};
    int32_t monitorFrom = 0;  // 0 with 0 means all accounts
    int32_t monitorTo = 0;

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&Administrator::account, 0, 16),
        wireField(&Administrator::password, 16, 16),
        wireField(&Administrator::permissionMask, 32, 4),
        wireField(&Administrator::groupName, 36, 32),
        wireField(&Administrator::groupId, 68, 4),
        wireField(&Administrator::name, 72, 32),
        wireField(&Administrator::multiLogin, 104, 4),
        wireField(&Administrator::allowedIps, 108, 4 * IpCount),
        wireField(&Administrator::monitorFrom, 128, 4),
        wireField(&Administrator::monitorTo, 132, 4));
    // clang-format on

    static Administrator fromWire(const uint8_t* record) {
        return decodeWire<Administrator>(record);
    }
    void toWire(uint8_t* record) const { writeWire(*this, record); }
};

}  // namespace korvant
