#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The last login "ServerInfo.Dat": one 44-byte little-endian record —
// i32 server index, i32 always 0, i32 save flag, char[16] account and
// char[16] password (GBK, NUL-terminated, zero-filled, plain text).
namespace korvant {

struct LastLogin {
    static constexpr std::size_t FileSize = 44;

    int32_t serverIndex = 0;
    int32_t reserved = 0;
    int32_t saveFlag = 1;  // 1 = account and password were saved
    std::string account;   // UTF-8
    std::string password;  // UTF-8

    // Defaults (index 0, save flag 1, empty texts) for a missing file; a
    // shorter file is used as far as it goes. Under save flag 0 the account
    // and password are empty, whatever bytes the file holds there.
    static LastLogin read(const std::string& path);
    static LastLogin fromBytes(const uint8_t* data, std::size_t size);

    // The record as written: with the save flag cleared the account and
    // password fields are zero.
    std::array<uint8_t, FileSize> toBytes() const;

    // Writes the file with mode 0600 through a temporary file in the same
    // folder and a rename: the file is either the old one or the whole new
    // one. Returns false on failure (callers do not report it).
    bool write(const std::string& path) const;
};

}  // namespace korvant
