// The dates of the report tabs as the desk remembers them between starts:
// near today relative to today, older ones as the days themselves.
#include <gtest/gtest.h>

#include "app/pages/RememberedDates.h"
#include "text/CalendarDate.h"

namespace korvant {
namespace {

TEST(RememberedDates, CalendarArithmetic) {
    EXPECT_EQ(daysOfDate(19700101), 0);
    EXPECT_EQ(dateOfDays(daysOfDate(20261231) + 1), 20270101);
    EXPECT_EQ(dateOfDays(daysOfDate(20280301) - 1), 20280229);
    EXPECT_EQ(dateOfDays(daysOfDate(21000301) - 1), 21000228);
    for (int32_t day : {19000101, 19991231, 20000229, 20261209, 99991231})
        EXPECT_EQ(dateOfDays(daysOfDate(day)), day);
    EXPECT_EQ(monthAfter(202601, -1), 202512);
    EXPECT_EQ(monthAfter(202612, 13), 202801);
    EXPECT_EQ(monthsBetween(202511, 202602), 3);
}

TEST(RememberedDates, YesterdayStaysYesterday) {
    const std::string text = rememberDates({20261208}, 20261209);
    EXPECT_EQ(text, "days:-1");
    EXPECT_EQ(recallDates(text, 20261210, 1), (std::vector<int32_t>{20261209}));
    // A range up to today moves with the days, keeping its length.
    const std::string range = rememberDates({20261109, 20261209}, 20261209);
    EXPECT_EQ(range, "days:-30,0");
    EXPECT_EQ(recallDates(range, 20270101, 2), (std::vector<int32_t>{20261202, 20270101}));
    // Up to a week back counts as meant from today.
    EXPECT_EQ(rememberDates({20261202}, 20261209), "days:-7");
}

TEST(RememberedDates, OlderAndLaterDaysStayTheDays) {
    EXPECT_EQ(rememberDates({20261101, 20261130}, 20261209), "dates:20261101,20261130");
    EXPECT_EQ(recallDates("dates:20261101,20261130", 20270505, 2),
              (std::vector<int32_t>{20261101, 20261130}));
    EXPECT_EQ(rememberDates({20261210}, 20261209), "dates:20261210");
    EXPECT_EQ(rememberDates({20261301}, 20261209), "");
}

TEST(RememberedDates, TextsThatAreNoRememberedDatesAreIgnored) {
    for (const char* text : {"", "days:", "days:x", "days:-1,", "dates:20261332", "weeks:-1",
                             "days:99999999", "dates:2026120"})
        EXPECT_FALSE(recallDates(text, 20261209, 1)) << text;
    // Another count of dates than the tab has.
    EXPECT_FALSE(recallDates("days:-1,0", 20261209, 1));
}

TEST(RememberedDates, TheStatementMonth) {
    EXPECT_EQ(rememberMonth(202612, 20261209), "months:0");
    EXPECT_EQ(rememberMonth(202611, 20261209), "months:-1");
    EXPECT_EQ(rememberMonth(202609, 20261209), "month:202609");
    EXPECT_EQ(recallMonth("months:-1", 20270115), 202612);
    EXPECT_EQ(recallMonth("month:202609", 20270115), 202609);
    EXPECT_FALSE(recallMonth("month:202613", 20270115));
    EXPECT_FALSE(recallMonth("garbage", 20270115));
}

}  // namespace
}  // namespace korvant
