#pragma once

#include <cstdint>
#include <string_view>

// The login request (command 2, 56 bytes): account and password as 16-byte
// text fields, the adapter MAC text (12 hex digits and NUL, or all zero) and
// the client kind, always 1.
namespace korvant {

inline constexpr int LoginRequestSize = 56;
inline constexpr int LoginTextLimit = 15;  // bytes an account or password may hold

// Returns 56, or -1 when the capacity is too small.
int writeLoginRequest(std::string_view account, std::string_view password, std::string_view mac,
                      uint8_t* buffer, int capacity);

}  // namespace korvant
