#pragma once

#include <cstdint>
#include <string_view>

#include "app/desk/AccountList.h"
#include "app/forms/SearchFilter.h"

// Request writers of the four account-list queries. Each returns its fixed
// size, or -1 when the capacity is too small. The filter's text fields are
// copied as their wire bytes; its flag byte travels as the category.
namespace korvant {

inline constexpr int MainAccountListRequestSize = 36;    // command 37
inline constexpr int AdministratorListRequestSize = 85;  // command 97
inline constexpr int MainAccountLinksRequestSize = 12;   // command 64
inline constexpr int SubAccountListRequestSize = 98;     // command 4
inline constexpr int GroupIdQuerySize = 20;              // command 65

// Main accounts of a first-level group: group id, account keyword, page.
int writeMainAccountListRequest(int32_t groupId, const SearchFilter& filter, int32_t page,
                                uint8_t* buffer, int capacity);
// Administrators of a group: group id, the keywords, the administrator
// fields of the filter, page, category.
int writeAdministratorListRequest(int32_t groupId, const SearchFilter& filter, int32_t page,
                                  uint8_t* buffer, int capacity);
// Main accounts linked to a second-level group: group id, page.
int writeMainAccountLinksRequest(int32_t groupId, int32_t page, uint8_t* buffer, int capacity);
// Sub-accounts of a group (-1 = all groups): group id, the keywords, the
// opening date, the remark, page, category.
int writeSubAccountListRequest(int32_t groupId, const SearchFilter& filter, int32_t page,
                               uint8_t* buffer, int capacity);

// Command 65: asks for the id of the group with this code.
int writeGroupIdQuery(std::string_view groupCode, uint8_t* buffer, int capacity);

// The request of page `page` of `list` of group `groupId`; its size, or -1.
int writeListRequest(AccountList list, int groupId, const SearchFilter& filter, int page,
                     uint8_t* buffer, int capacity);
// The command of `list`'s answers (0 for none).
uint8_t listCommand(AccountList list);

}  // namespace korvant
