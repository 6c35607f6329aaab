#pragma once

#include <cstdint>
#include <string>

// Request writers of the group operations. Both requests are offered to
// compression (flag 1 when zlib succeeds, otherwise sent plain). Each
// returns the packet size, or -1 when the capacity is too small.
namespace korvant {

struct Group;
struct GroupForm;

inline constexpr int AddGroupPlainSize = 124;
inline constexpr int ModifyGroupPlainSize = 129;

// Change flags of the modify request.
inline constexpr uint8_t GroupParentChanged = 0x01;
inline constexpr uint8_t GroupRemarkChanged = 0x10;

// 0x01 when the parent differs from the record's (never for the parent -2),
// 0x10 when the remark differs from the record's.
uint8_t groupChangeFlags(const Group& record, int32_t parentId, const std::string& remark);

// Command 95: a new group under `form.parentId`; quota and range are sent
// only when the form shows them, else 0.
int writeAddGroup(const GroupForm& form, uint8_t* buffer, int capacity);
// Command 96: the record's id and reference value with the form's values.
int writeModifyGroup(const GroupForm& form, const Group& record, uint8_t* buffer, int capacity);

}  // namespace korvant
