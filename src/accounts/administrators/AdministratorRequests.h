#pragma once

#include <cstdint>
#include <string>

// Request writers of the administrator operations. Each fills the caller's
// buffer and returns the packet size, or -1 when the capacity is too small.
namespace korvant {

struct AdministratorForm;

inline constexpr int AddAdministratorSize = 108;

// Command 98: the form's values and the group the administrator joins.
int writeAddAdministrator(const AdministratorForm& form, int32_t groupId, uint8_t* buffer,
                          int capacity);
// Command 99, 110 bytes: the account of the selected record and the form's values; the
// request carries no group.
int writeModifyAdministrator(const AdministratorForm& form, uint8_t* buffer, int capacity);
// Command 15: the account, at most 15 bytes and a zero, always 20 bytes.
int writeDeleteAdministrator(const std::string& account, uint8_t* buffer, int capacity);
// Command 19, 36 bytes: the current and the new password of the logged-in administrator.
int writeChangePassword(const std::string& current, const std::string& next, uint8_t* buffer,
                        int capacity);

}  // namespace korvant
