#include "app/pages/RememberedDates.h"

#include <algorithm>
#include <charconv>

#include "text/CalendarDate.h"

namespace korvant {
namespace {

// The numbers of "a,b,c"; nothing when a part is no whole number.
std::optional<std::vector<int64_t>> numbers(std::string_view text) {
    std::vector<int64_t> values;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view part = text.substr(0, comma);
        int64_t value = 0;
        const char* end = part.data() + part.size();
        const auto [at, error] = std::from_chars(part.data(), end, value);
        if (part.empty() || error != std::errc() || at != end) return std::nullopt;
        values.push_back(value);
        if (comma == std::string_view::npos) return values;
        text.remove_prefix(comma + 1);
    }
}

std::string joined(const std::vector<int64_t>& values) {
    std::string text;
    for (int64_t value : values) {
        if (!text.empty()) text += ',';
        text += std::to_string(value);
    }
    return text;
}

constexpr std::string_view DaysTag = "days:";
constexpr std::string_view DatesTag = "dates:";
constexpr std::string_view MonthsTag = "months:";
constexpr std::string_view MonthTag = "month:";
// Beyond this many days from today a remembered offset is no longer a date
// the user meant.
constexpr int64_t LongestOffset = 366 * 100;

}  // namespace

std::string rememberDates(const std::vector<int32_t>& dates, int32_t today) {
    if (dates.empty() || !isCalendarDate(today)) return {};
    for (int32_t date : dates)
        if (!isCalendarDate(date)) return {};
    const int64_t now = daysOfDate(today);
    const int64_t latest = daysOfDate(*std::max_element(dates.begin(), dates.end()));
    std::vector<int64_t> values;
    if (latest <= now && now - latest <= RecentDays) {
        for (int32_t date : dates) values.push_back(daysOfDate(date) - now);
        return std::string(DaysTag) + joined(values);
    }
    for (int32_t date : dates) values.push_back(date);
    return std::string(DatesTag) + joined(values);
}

std::optional<std::vector<int32_t>> recallDates(const std::string& text, int32_t today,
                                                std::size_t count) {
    if (!isCalendarDate(today)) return std::nullopt;
    const std::string_view view(text);
    const bool relative = view.starts_with(DaysTag);
    if (!relative && !view.starts_with(DatesTag)) return std::nullopt;
    const auto values = numbers(view.substr(relative ? DaysTag.size() : DatesTag.size()));
    if (!values || values->size() != count) return std::nullopt;
    std::vector<int32_t> dates;
    for (int64_t value : *values) {
        if (relative) {
            if (value < -LongestOffset || value > LongestOffset) return std::nullopt;
            dates.push_back(dateOfDays(daysOfDate(today) + value));
        } else {
            if (!isCalendarDate(value)) return std::nullopt;
            dates.push_back(static_cast<int32_t>(value));
        }
    }
    return dates;
}

std::string rememberMonth(int32_t month, int32_t today) {
    if (!isCalendarMonth(month) || !isCalendarDate(today)) return {};
    const int back = monthsBetween(month, today / 100);
    if (back == 0 || back == 1) return std::string(MonthsTag) + std::to_string(-back);
    return std::string(MonthTag) + std::to_string(month);
}

std::optional<int32_t> recallMonth(const std::string& text, int32_t today) {
    if (!isCalendarDate(today)) return std::nullopt;
    const std::string_view view(text);
    const bool relative = view.starts_with(MonthsTag);
    if (!relative && !view.starts_with(MonthTag)) return std::nullopt;
    const auto values = numbers(view.substr(relative ? MonthsTag.size() : MonthTag.size()));
    if (!values || values->size() != 1) return std::nullopt;
    const int64_t value = values->front();
    if (relative) {
        if (value < -1200 || value > 1200) return std::nullopt;
        return monthAfter(today / 100, static_cast<int>(value));
    }
    if (!isCalendarMonth(value)) return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace korvant
