#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/port/FrontEndPort.h"

// The filter of the account lists (84 bytes on the wire of action `Search`). Only
// the set fields carry a flag bit; zero everywhere means no filter.
namespace korvant {

struct SearchFilter {
    static constexpr int WireSize = 84;
    // The part kept as the current filter (without group id and flags).
    static constexpr int KeptSize = 76;

    static constexpr uint8_t AccountFlag = 0x01;
    static constexpr uint8_t PasswordFlag = 0x02;
    static constexpr uint8_t AdminNumberFlag = 0x04;
    static constexpr uint8_t AdminTextFlag = 0x08;
    static constexpr uint8_t OpeningDateFlag = 0x10;
    static constexpr uint8_t RemarkFlag = 0x20;

    std::string account;      // 0, char[16]: "用户名"
    std::string password;     // 16, char[16]: "密码"
    int32_t adminNumber = 0;  // 32: never filled by this desk
    int32_t openingDate = 0;  // 40: "开户日期", yyyymmdd
    std::string remark;       // 44, char[32]: "备注"
    int32_t groupId = -1;     // 76: the search range ("全部" = -1)
    uint8_t flags = 0;        // 80

    // The 84 wire bytes (bytes 36..39, the start of the never-filled
    // administrator text, stay zero).
    std::array<uint8_t, WireSize> toWire() const;
    static SearchFilter fromWire(const uint8_t* bytes);
    bool empty() const { return flags == 0; }
    // The filter without its fields: group id kept, no flags.
    void clearFields();
};

// The "类别" entries of the search bar, in combo order.
enum class SearchCategory : int { Account = 0, Password = 1, OpeningDate = 2, Remark = 3 };

// Captions of the "类别" combo: "用户名", "密码", "开户日期", "备注".
const std::array<const char*, 4>& searchCategoryCaptions();

// The search button: the keyword goes into the category's field (the
// opening date read as a number, leniently), its flag set when the value
// is not empty or 0. The keyword is read up to 15 characters, 31 for the
// remark.
SearchFilter searchBarFilter(int groupId, SearchCategory category, const std::string& keyword);

// The "高级搜索" dialog.
struct AdvancedSearchForm final : Form {
    const char* kind() const override { return "AdvancedSearch"; }
    std::string account;      // "用户名"
    std::string password;     // "密码"
    std::string openingDate;  // "开户日": shown, never read
    std::string remark;       // "备注"
};

// "搜索" in the advanced dialog: account, password and remark (at most 15,
// 15 and 31 characters) with their flags. Empty when no flag is set: then
// nothing is searched.
std::optional<SearchFilter> advancedSearchFilter(int groupId, const AdvancedSearchForm& form);

// The first `maxChars` characters of a UTF-8 text.
std::string firstCharacters(const std::string& utf8, int maxChars);

// Lenient integer reading of typed text: leading blanks, an optional sign,
// the digits that follow; anything else gives what was read so far (0).
int32_t lenientInt(const std::string& text);

}  // namespace korvant
