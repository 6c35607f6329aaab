#pragma once

#include <chrono>
#include <string>

// Days of the simulator's made-up trading, for tests that ask for a day with
// data.
namespace korvant::test {

// A day as the number YYYYMMDD.
inline int ymd(std::chrono::sys_days day) {
    const std::chrono::year_month_day d(day);
    return static_cast<int>(d.year()) * 10000 +
           static_cast<int>(static_cast<unsigned>(d.month())) * 100 +
           static_cast<int>(static_cast<unsigned>(d.day()));
}

inline std::string ymdText(std::chrono::sys_days day) {
    return std::to_string(ymd(day));
}

// Monday of the week before this one: a weekday the simulator has trading for.
inline std::chrono::sys_days lastMonday() {
    namespace chr = std::chrono;
    const chr::sys_days today = chr::floor<chr::days>(chr::system_clock::now());
    return today - chr::days((chr::weekday(today).c_encoding() + 6) % 7) - chr::days(7);
}

}  // namespace korvant::test
