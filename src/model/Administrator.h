#pragma once

#include <array>
#include <cstdint>
#include <string>

// An administrator as listed (136 bytes on the wire, command-97 answers).
namespace korvant {

struct Administrator {
    static constexpr int WireSize = 136;
    static constexpr int IpCount = 5;

    std::string account;          // 0, char[16]
    std::string password;         // 16, char[16], plain text
    uint32_t permissionMask = 0;  // 32
    std::string groupName;        // 36, char[32]
    int32_t groupId = 0;          // 68
    std::string name;             // 72, char[32]
    int32_t multiLogin = 0;       // 104: 1 allows several logins at once
    // 108: allowed IPv4 addresses exactly as on the wire (network byte
    // order, so the first octet is the low byte of the value); empty
    // entries are 0 and filled ones are packed at the front. All zero
    // allows every address.
    std::array<uint32_t, IpCount> allowedIps{};
    int32_t monitorFrom = 0;  // 128: 0 with 0 means all accounts
    int32_t monitorTo = 0;    // 132

    static Administrator fromWire(const uint8_t* record);
    void toWire(uint8_t* record) const;
};

}  // namespace korvant
