#pragma once

#include <cstdint>
#include <string>

#include "Dispatcher.h"

// Small pieces that the handlers of data-changing requests share.
namespace korvant::sim {

// The administrator logged in on this connection, or null.
Administrator* operatorOf(Context& c);

// True when the logged-in administrator holds `bit` of the permission mask.
bool permitted(Context& c, uint32_t bit);

// True when the logged-in administrator's own group contains `groupId`:
// an administrator manages its own group and the groups below it.
bool manages(Context& c, int32_t groupId);

// A sub-account number: decimal digits only, 1 to 2147483647.
bool parseAccountNumber(const std::string& text, int32_t& number);

// Local date as yyyymmdd and time of day as HH:MM:SS.
int32_t today();
std::string timeOfDay();

// Records one movement of money with the next serial number, the operator
// and the current time; returns its serial number.
int32_t recordMovement(Context& c, const std::string& holder, int32_t groupId, double amount,
                       const std::string& remark);

// printf-style formatting into a string (UTF-8 texts pass through).
std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

}  // namespace korvant::sim
