#include <gtest/gtest.h>

#include "text/NumberInput.h"

namespace korvant {
namespace {

using State = NumberInputState;

TEST(NumberInput, MoneyTakesPlainDecimalsWithCentsOnly) {
    for (const char* text : {"", "0", "1000", "1000.5", "1000.50", "12.", ".5", "0007"})
        EXPECT_EQ(judgeNumberInput(MoneyInput, text), State::Acceptable) << text;
    // What a lenient reader would have turned into some other number.
    for (const char* text : {"1,000", "一百万", "1e60", "1E3", "12.345", "1.2.3", " 5", "5 ", "+5",
                             "0x10", "inf", "nan", "5元"})
        EXPECT_EQ(judgeNumberInput(MoneyInput, text), State::Invalid) << text;
    EXPECT_EQ(judgeNumberInput(MoneyInput, "."), State::Intermediate);
}

TEST(NumberInput, SignOnlyWhereTheFieldAllowsIt) {
    EXPECT_EQ(judgeNumberInput(MoneyInput, "-5000"), State::Invalid);
    EXPECT_EQ(judgeNumberInput(MoneyInput, "-"), State::Invalid);
    const NumberInput signedWhole{0, true, 2147483647.0};
    EXPECT_EQ(judgeNumberInput(signedWhole, "-"), State::Intermediate);
    EXPECT_EQ(judgeNumberInput(signedWhole, "-5"), State::Acceptable);
    EXPECT_EQ(judgeNumberInput(signedWhole, "5-"), State::Invalid);
    EXPECT_EQ(judgeNumberInput(signedWhole, "--5"), State::Invalid);
}

TEST(NumberInput, MagnitudeStaysBelowTheFieldsMaximum) {
    EXPECT_EQ(judgeNumberInput(MoneyInput, "999999999999.99"), State::Acceptable);
    EXPECT_EQ(judgeNumberInput(MoneyInput, "1000000000000"), State::Invalid);
    EXPECT_EQ(judgeNumberInput(MoneyInput, "99999999999999999999"), State::Invalid);
    EXPECT_EQ(judgeNumberInput(CountInput, "2147483647"), State::Acceptable);
    EXPECT_EQ(judgeNumberInput(CountInput, "2147483648"), State::Invalid);
    EXPECT_EQ(judgeNumberInput(CountInput, "1.5"), State::Invalid);
    EXPECT_EQ(judgeNumberInput(PercentRateInput, "0.123456"), State::Acceptable);
    EXPECT_EQ(judgeNumberInput(PercentRateInput, "0.1234567"), State::Invalid);
}

TEST(NumberInput, ReadGivesTheValueOfAcceptableTextOnly) {
    EXPECT_EQ(readNumberInput(MoneyInput, ""), 0.0);
    EXPECT_EQ(readNumberInput(MoneyInput, "1234.5"), 1234.5);
    EXPECT_EQ(readNumberInput(MoneyInput, "1,000"), std::nullopt);
    EXPECT_EQ(readNumberInput(MoneyInput, "."), std::nullopt);
    EXPECT_EQ(readNumberInput(NumberInput{0, true, 100}, "-7"), -7.0);
}

}  // namespace
}  // namespace korvant
