#pragma once

#include <cstdint>
#include <string>

#include "model/WireFields.h"

// A trading sub-account as listed (one record of the command-4 answers).
namespace korvant {

struct SubAccount {
    static constexpr int WireSize = 364;

    // Bits of `options`; other bits are kept as received.
    static constexpr int32_t NoFeesOnStatement = 0x1;   // "结算单不显示手续费"
    static constexpr int32_t NoSingleSideMargin = 0x2;  // "禁用单向大边保证金"

    std::string account;   // the account number as decimal text
    std::string password;  // plain text
    std::string groupName;
    int32_t groupId = 0;
    std::string name;
    int32_t openDate = 0;  // yyyymmdd
    std::string mainAccount;
    std::string marginTemplate;  // margin-rate template name
    std::string feeTemplate;     // fee-rate template name
    double startInvestment = 0;
    std::string mac;  // MAC restriction
    double priorityFunds = 0;
    std::string remark;
    int32_t options = 0;

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&SubAccount::account, 0, 16),
        wireField(&SubAccount::password, 16, 16),
        wireField(&SubAccount::groupName, 32, 32),
        wireField(&SubAccount::groupId, 64, 4),
        wireField(&SubAccount::name, 68, 32),
        wireField(&SubAccount::openDate, 100, 4),
        wireField(&SubAccount::mainAccount, 104, 16),
        wireField(&SubAccount::marginTemplate, 120, 64),
        wireField(&SubAccount::feeTemplate, 184, 64),
        wireField(&SubAccount::startInvestment, 248, 8),
        wireField(&SubAccount::mac, 256, 32),
        wireField(&SubAccount::priorityFunds, 288, 8),
        wireField(&SubAccount::remark, 296, 64),
        wireField(&SubAccount::options, 360, 4));
    // clang-format on

    static SubAccount fromWire(const uint8_t* record) { return decodeWire<SubAccount>(record); }
    void toWire(uint8_t* record) const { writeWire(*this, record); }
};

}  // namespace korvant
