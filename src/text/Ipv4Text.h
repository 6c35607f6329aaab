#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Allowed client addresses of an administrator. An address is held as the
// u32 that the wire carries: network byte order, so the first dotted number
// is the lowest byte ("10.0.0.1" -> 0x0100000A).
namespace korvant {

inline constexpr int AllowedIpCount = 5;
using AllowedIps = std::array<uint32_t, AllowedIpCount>;

// Dotted IPv4 text ("a.b.c.d", each 0 to 255); empty or invalid text gives 0.
uint32_t parseIpv4(std::string_view text);
// Dotted text of an address; "" for 0.
std::string formatIpv4(uint32_t address);

// Parses the five fields and packs the non-zero addresses to the front.
AllowedIps packAllowedIps(const std::array<std::string, AllowedIpCount>& texts);

}  // namespace korvant
