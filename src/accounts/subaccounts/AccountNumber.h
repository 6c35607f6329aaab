#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The typed texts of a sub-account that are cleaned before they are sent:
// the account number and the MAC restriction.
namespace korvant {

inline constexpr int64_t MinSubAccountNumber = 1;
inline constexpr int64_t MaxSubAccountNumber = 2147483647;

// Reads a decimal number from the leading digits of `text` (leading blanks
// and one sign allowed); no digits give 0. Values beyond the 64-bit range
// stop at its bounds.
int64_t readLeadingNumber(std::string_view text);

// True for 1 to 2147483647.
bool isSubAccountNumber(int64_t value);

// Upper-cases the text and keeps only 0-9, A-F, "." and ";".
std::string cleanMacRestriction(std::string_view text);

}  // namespace korvant
