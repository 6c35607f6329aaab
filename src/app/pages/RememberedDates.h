#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The dates of a report tab as the desk remembers them until its next start,
// as the user means them. A date near today is meant relative to today:
// "yesterday" stays yesterday tomorrow, a range "the last 30 days up to
// today" moves with the days. An older date is meant as that day.
namespace korvant {

// A tab's dates (yyyymmdd) as remembered: when the latest of them lies within
// RecentDays before `today` (today included), every one of them as days from
// today, "days:-30,0"; otherwise as the days themselves,
// "dates:20261101,20261130". Empty for no dates or a date the calendar lacks.
inline constexpr int RecentDays = 7;
std::string rememberDates(const std::vector<int32_t>& dates, int32_t today);

// The dates of a remembered text on `today`: `count` days, or nothing when
// the text is no remembered dates of that count.
std::optional<std::vector<int32_t>> recallDates(const std::string& text, int32_t today,
                                                std::size_t count);

// A month (yyyymm) of the statement's month list: this month and the one
// before are remembered relative to the month of `today`, "months:-1";
// earlier ones as the month, "month:202611".
std::string rememberMonth(int32_t month, int32_t today);
std::optional<int32_t> recallMonth(const std::string& text, int32_t today);

}  // namespace korvant
