#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "local/StatusList.h"

namespace korvant {
namespace {

std::tm at(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(StatusList, TimesAreZeroPaddedLocalTime) {
    EXPECT_EQ(StatusList::formatTime(at(2024, 3, 7, 9, 5, 1)), "2024-03-07 09:05:01");
    EXPECT_EQ(StatusList::formatTime(at(999, 12, 31, 23, 59, 59)), "0999-12-31 23:59:59");
    StatusList real;
    real.append("添加组", "", true);
    EXPECT_TRUE(
        std::regex_match(real.rows()[0].time, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)")));
}

TEST(StatusList, EachOperationLeavesOnlyItsOwnRows) {
    int tick = 0;
    StatusList list([&tick] { return at(2024, 1, 2, 3, 4, tick++); });
    list.append("添加子账号", "账号:s1, 密码:p1", true);
    list.append("添加子账号", "添加 s1 成功", false);
    ASSERT_EQ(list.size(), 2u);
    list.append("删除子账号", "账号:s1", true);
    list.append("删除子账号", "删除 s1 失败！不存在", false);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.rows()[0].title, "删除子账号");
    EXPECT_EQ(list.rows()[0].detail, "账号:s1");
    EXPECT_EQ(list.rows()[0].time, "2024-01-02 03:04:02");
    EXPECT_EQ(list.rows()[1].detail, "删除 s1 失败！不存在");
    EXPECT_EQ(list.rows()[1].time, "2024-01-02 03:04:03");
}

TEST(StatusList, ListenersFollowEveryChangeUntilRemoved) {
    StatusList list([] { return at(2024, 1, 1, 0, 0, 0); });
    std::vector<std::string> seen;
    int whole = list.addListener([&](const StatusList& l, StatusList::Change change) {
        seen.push_back((change == StatusList::Change::Cleared ? "cleared " : "appended ") +
                       std::to_string(l.size()));
    });
    int rows = list.subscribe([&](const StatusRow& row) { seen.push_back("row " + row.title); });
    list.append("出入金", "a", true);
    list.append("出入金", "b", false);
    EXPECT_EQ(seen, (std::vector<std::string>{"cleared 0", "appended 1", "row 出入金", "appended 2",
                                              "row 出入金"}));
    list.remove(whole);
    list.remove(rows);
    seen.clear();
    list.append("x", "y", true);
    EXPECT_TRUE(seen.empty());
}

TEST(StatusList, AListenerMayUnsubscribeWhileNotified) {
    StatusList list;
    int calls = 0;
    int id = 0;
    id = list.subscribe([&](const StatusRow&) {
        ++calls;
        list.remove(id);
    });
    list.append("a", "", true);
    list.append("b", "", false);
    EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace korvant
