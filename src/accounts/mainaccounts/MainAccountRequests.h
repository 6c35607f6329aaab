#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/MainAccount.h"

// Request writers of the main-account operations. Each takes the values, a
// caller's buffer and its capacity, and returns the packet size or -1.
namespace korvant {

struct NewMainAccount {
    std::string account;
    double initialFunds = 0;
    std::string groupCode;  // the first-level group
    std::string tradingPassword;
    double startInvestment = 0;
    double priorityFunds = 0;
    std::string fundPassword;
    double managementFee = 0;  // percent
    double custodyFee = 0;     // percent
};

// Command 38, 164 bytes.
int writeCreateMainAccount(const NewMainAccount& values, uint8_t* buffer, int capacity);

struct MainAccountChange {
    std::string account;
    std::string fundPassword;     // empty = unchanged
    std::string tradingPassword;  // empty = unchanged
    bool clearFeesDue = false;
    std::array<double, MainAccount::FeeRateCount> fees{};
};

// Command 86, 136 bytes.
int writeModifyMainAccount(const MainAccountChange& values, uint8_t* buffer, int capacity);

// Command 39, 20 bytes.
int writeDeleteMainAccount(std::string_view account, uint8_t* buffer, int capacity);

// Command 66 (link) or 102 (unlink), 36 bytes: the main account and the code
// of the second-level group.
int writeMainAccountLink(uint8_t command, std::string_view account, std::string_view groupCode,
                         uint8_t* buffer, int capacity);

}  // namespace korvant
