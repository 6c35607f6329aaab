#pragma once

#include <cstdint>
#include <string>

// The logged-in administrator: filled from the 44-byte login answer, plus
// the account typed at login and what the session learnt since.
namespace korvant {

struct Session {
    int32_t ownGroupId = 0;
    std::string adminName;
    uint32_t permissionMask = 0;
    std::string account;
    // The settlement date of the last "开始结算" answer (yyyymmdd), 0 before
    // any: "结算价设置" lists the prices of that date.
    int32_t settlementDate = 0;

    void reset() { *this = Session{}; }
};

}  // namespace korvant
