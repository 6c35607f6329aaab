#pragma once

#include <cstdint>
#include <string>

// The logged-in administrator: filled from the 44-byte login answer, plus
// the account typed at login.
namespace korvant {

struct Session {
    int32_t ownGroupId = 0;
    std::string adminName;
    uint32_t permissionMask = 0;
    std::string account;

    void reset() { *this = Session{}; }
};

}  // namespace korvant
