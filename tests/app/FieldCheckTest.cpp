#include <gtest/gtest.h>

#include <string>

#include "app/forms/FieldCheck.h"
#include "text/CalendarDate.h"

namespace korvant {
namespace {

TEST(FieldCheck, IntegersOnlyWithinTheirRange) {
    const struct {
        const char* typed;
        bool accepted;
    } cases[] = {
        {"", true},
        {" 42 ", true},
        {"+7", true},
        {"08", true},
        {"2147483647", true},
        {"2147483648", false},
        {"-1", false},
        {"1e308", false},
        {"12abc", false},
        {"1.5", false},
        {"99999999999999999999", false},
    };
    for (const auto& c : cases) {
        const std::string refusal = integerFieldRefusal("参数1", c.typed, 0, 2147483647);
        EXPECT_EQ(refusal.empty(), c.accepted) << c.typed;
        if (!c.accepted) EXPECT_EQ(refusal, "“参数1”应为 0 到 2147483647 之间的整数。  ");
    }
    EXPECT_EQ(integerRangeRefusal("百分比", 101, 0, 100), "“百分比”应为 0 到 100 之间的整数。  ");
    EXPECT_EQ(integerRangeRefusal("百分比", 100, 0, 100), "");
}

TEST(FieldCheck, TextsMustFitTheirGbkField) {
    std::string chinese;
    for (int i = 0; i < 5; ++i) chinese += "风";
    const struct {
        std::string text;
        std::size_t maxBytes;
        const char* refusal;
    } cases[] = {
        {"abc", 3, ""},
        {"abcd", 3, "“名称”最多 3 个字节（一个汉字占 2 个字节），现为 4 个字节。  "},
        {chinese, 10, ""},
        {chinese, 9, "“名称”最多 9 个字节（一个汉字占 2 个字节），现为 10 个字节。  "},
        {"a?b", 3, ""},
        {"\xE2\x9C\x93", 9, "“名称”含有 GBK 无法表示的字符“\xE2\x9C\x93”。  "},
        {"\xFF", 9, "“名称”不是有效的 UTF-8 文本。  "},
    };
    for (const auto& c : cases) EXPECT_EQ(textFieldRefusal("名称", c.text, c.maxBytes), c.refusal);
}

TEST(CalendarDate, OnlyDaysTheCalendarHas) {
    const struct {
        int64_t value;
        bool day;
    } cases[] = {
        {20261201, true},  {20240229, true},  {20000229, true},  {20261332, false},
        {20230229, false}, {19000229, false}, {20260431, false}, {20260100, false},
        {99999999, false}, {-1, false},       {0, false},        {2026121, false},
        {18991231, false}, {99991231, true},
    };
    for (const auto& c : cases) EXPECT_EQ(isCalendarDate(c.value), c.day) << c.value;
    EXPECT_TRUE(isCalendarMonth(202612));
    EXPECT_FALSE(isCalendarMonth(202613));
    EXPECT_FALSE(isCalendarMonth(-1));
    EXPECT_EQ(calendarDateRefusal("日期", 20261332),
              "日期：20261332 不是有效的日期（应为 YYYYMMDD，如 20261201）");
}

}  // namespace
}  // namespace korvant
