#pragma once

#include <cstdint>
#include <string>

// Dates as the wire carries them, yyyymmdd (a month yyyymm), and the one
// judgement of whether such a number is a day of the calendar. Every date a
// report, a statement or an export sends is checked here first: the server
// is never asked for 20261332.
namespace korvant {

// A day from 19000101 to 99991231 that the calendar has (leap years
// included).
bool isCalendarDate(int64_t yyyymmdd);
// A month from 190001 to 999912.
bool isCalendarMonth(int64_t yyyymm);

// The day after a calendar day (yyyymmdd); 0 after 99991231 or for no day.
int32_t nextCalendarDate(int32_t yyyymmdd);
// The days since 19700101 of a calendar day (yyyymmdd; a day that the
// calendar lacks counts as the first of its month), and the day of such a
// count.
int64_t daysOfDate(int32_t yyyymmdd);
int32_t dateOfDays(int64_t days);
// The month (yyyymm) `offset` months after `yyyymm` (before, when negative).
int32_t monthAfter(int32_t yyyymm, int offset);
// How many months `later` (yyyymm) lies after `earlier`.
int monthsBetween(int32_t earlier, int32_t later);

// "起始日期：20261332 不是有效的日期（应为 YYYYMMDD，如 20261201）"
std::string calendarDateRefusal(const std::string& label, int64_t value);
// "月份：202613 不是有效的月份（应为 YYYYMM，如 202612）"
std::string calendarMonthRefusal(const std::string& label, int64_t value);

}  // namespace korvant
