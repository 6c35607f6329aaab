#pragma once

#include <cstdint>
#include <string>

// A trading sub-account as listed (364 bytes on the wire, command-4
// answers).
namespace korvant {

struct SubAccount {
    static constexpr int WireSize = 364;

    // Bits of `options`; other bits are kept as received.
    static constexpr int32_t NoFeesOnStatement = 0x1;   // "结算单不显示手续费"
    static constexpr int32_t NoSingleSideMargin = 0x2;  // "禁用单向大边保证金"

    std::string account;         // 0, char[16]: the account number as decimal text
    std::string password;        // 16, char[16], plain text
    std::string groupName;       // 32, char[32]
    int32_t groupId = 0;         // 64
    std::string name;            // 68, char[32]
    int32_t openDate = 0;        // 100, yyyymmdd
    std::string mainAccount;     // 104, char[16]
    std::string marginTemplate;  // 120, char[64]: margin-rate template name
    std::string feeTemplate;     // 184, char[64]: fee-rate template name
    double startInvestment = 0;  // 248
    std::string mac;             // 256, char[32]: MAC restriction
    double priorityFunds = 0;    // 288
    std::string remark;          // 296, char[64]
    int32_t options = 0;         // 360

    static SubAccount fromWire(const uint8_t* record);
    void toWire(uint8_t* record) const;
};

}  // namespace korvant
