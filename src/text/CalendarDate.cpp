#include "text/CalendarDate.h"

namespace korvant {

namespace {

bool leapYear(int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

bool isCalendarMonth(int64_t yyyymm) {
    const int64_t year = yyyymm / 100;
    const int64_t month = yyyymm % 100;
    return year >= 1900 && year <= 9999 && month >= 1 && month <= 12;
}

bool isCalendarDate(int64_t yyyymmdd) {
    if (!isCalendarMonth(yyyymmdd / 100)) return false;
    const int64_t year = yyyymmdd / 10000;
    const int64_t month = yyyymmdd / 100 % 100;
    const int64_t day = yyyymmdd % 100;
    static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int64_t last = Days[month - 1] + (month == 2 && leapYear(year) ? 1 : 0);
    return day >= 1 && day <= last;
}

int32_t nextCalendarDate(int32_t yyyymmdd) {
    if (!isCalendarDate(yyyymmdd)) return 0;
    if (isCalendarDate(yyyymmdd + 1)) return yyyymmdd + 1;
    const int32_t month = yyyymmdd / 100 % 100;
    const int32_t next =
        month == 12 ? (yyyymmdd / 10000 + 1) * 10000 + 101 : yyyymmdd / 100 * 100 + 101;
    return isCalendarDate(next) ? next : 0;
}

std::string calendarDateRefusal(const std::string& label, int64_t value) {
    return label + "：" + std::to_string(value) + " 不是有效的日期（应为 YYYYMMDD，如 20261201）";
}

std::string calendarMonthRefusal(const std::string& label, int64_t value) {
    return label + "：" + std::to_string(value) + " 不是有效的月份（应为 YYYYMM，如 202612）";
}

}  // namespace korvant
