#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Request writers of the sub-account operations. Each takes the values, a
// caller's buffer and its capacity, and returns the packet size or -1.
namespace korvant {

inline constexpr int ModifySubAccountSize = 196;  // before compression

// Change flags of the modify request.
inline constexpr int32_t SubAccountPasswordChanged = 0x01;
inline constexpr int32_t SubAccountDetailsChanged = 0x10;

struct NewSubAccount {
    std::string account;
    std::string password;
    int32_t openDate = 0;
    int32_t groupId = 0;
    std::string name;
    std::string mainAccount;
    std::string mac;
    std::string remark;
    int32_t options = 0;
};

// Command 8, 202 bytes, plain.
int writeAddSubAccount(const NewSubAccount& values, uint8_t* buffer, int capacity);

// The editable values of a sub-account, as recorded and as edited.
struct SubAccountValues {
    int32_t groupId = 0;
    std::string password;
    std::string name;
    std::string mainAccount;
    std::string mac;
    std::string remark;
    int32_t options = 0;
};

// 0x01 when the password differs; 0x10 when the name, MAC, remark, main
// account, option bits 0-1 or group differ.
int32_t subAccountChangeFlags(const SubAccountValues& recorded, const SubAccountValues& edited);

// Command 11: the 196-byte plain packet with its body compressed (flag 1).
// When compression fails the plain packet is written instead (flag 0).
int writeModifySubAccount(std::string_view account, int32_t changeFlags,
                          const SubAccountValues& edited, uint8_t* buffer, int capacity);

// Command 14, 20 bytes: the account zero-padded at offset 4.
int writeDeleteSubAccount(std::string_view account, uint8_t* buffer, int capacity);

}  // namespace korvant
