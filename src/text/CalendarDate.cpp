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

// Civil-day arithmetic of the proleptic Gregorian calendar (days counted from
// 19700101, eras of 400 years).
int64_t daysOfDate(int32_t yyyymmdd) {
    int64_t year = yyyymmdd / 10000;
    const int64_t month = yyyymmdd / 100 % 100;
    int64_t day = yyyymmdd % 100;
    if (!isCalendarDate(yyyymmdd)) day = 1;
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int32_t dateOfDays(int64_t days) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shifted = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * shifted + 2) / 5 + 1;
    const int64_t month = shifted < 10 ? shifted + 3 : shifted - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return static_cast<int32_t>(year * 10000 + month * 100 + day);
}

int32_t monthAfter(int32_t yyyymm, int offset) {
    const int64_t index = static_cast<int64_t>(yyyymm / 100) * 12 + (yyyymm % 100 - 1) + offset;
    return static_cast<int32_t>((index / 12) * 100 + index % 12 + 1);
}

int monthsBetween(int32_t earlier, int32_t later) {
    return (later / 100 - earlier / 100) * 12 + (later % 100 - earlier % 100);
}

std::string calendarDateRefusal(const std::string& label, int64_t value) {
    return label + "：" + std::to_string(value) + " 不是有效的日期（应为 YYYYMMDD，如 20261201）";
}

std::string calendarMonthRefusal(const std::string& label, int64_t value) {
    return label + "：" + std::to_string(value) + " 不是有效的月份（应为 YYYYMM，如 202612）";
}

}  // namespace korvant
