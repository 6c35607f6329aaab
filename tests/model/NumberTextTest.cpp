// Number text is written and read the same whatever the process locale: the
// desk's toolkit sets the locale from the environment, and a desktop whose
// locale writes decimal commas must still get "1234.50" in cells, files and
// status rows, and read typed "1234.5" as such.
#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "accounts/deposits/DepositForm.h"
#include "accounts/deposits/DepositRecord.h"
#include "app/exchange/Exchange.h"
#include "model/AccountColumns.h"
#include "model/PageLabel.h"
#include "text/AmountInWords.h"
#include "text/DecimalText.h"
#include "text/NumberText.h"

namespace korvant {
namespace {

// Switches the process to a decimal-comma locale for one test.
class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        const char* current = std::setlocale(LC_ALL, nullptr);
        saved_ = current != nullptr ? current : "C";
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"})
            if (std::setlocale(LC_ALL, name) != nullptr) return;
        GTEST_SKIP() << "no decimal-comma locale installed (scripts/setup.sh generates "
                        "de_DE.UTF-8)";
    }
    void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};

TEST_F(CommaLocale, TheLocaleReallyWritesCommas) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", 1234.5);
    EXPECT_STREQ(text, "1234,50");
}

TEST_F(CommaLocale, FormattingWritesAPoint) {
    EXPECT_EQ(formatFixed(1234.5, 2), "1234.50");
    EXPECT_EQ(formatFixed(-0.125, 2), "-0.12");  // as printf rounds the binary value
    EXPECT_EQ(formatTrimmed(0.0003, 6), "0.0003");
    EXPECT_EQ(formatTrimmed(2.0, 6), "2");
    EXPECT_EQ(formatAmount(1234.5), "1234.50");
    EXPECT_EQ(amountInWords(123456789.0), "1.23亿元");
    EXPECT_EQ(amountInWords(12345.6), "1.23万元");
    EXPECT_EQ(textf("初始资金:%.2f", 10.5), "初始资金:10.50");
    EXPECT_EQ(depositInfoLine("可用资金:", 12345.6), "可用资金:  12345.60    （1.23万元）");
    DepositRecord record;
    record.amount = -7.5;
    EXPECT_EQ(record.withdrawalText(), "7.50");
    EXPECT_EQ(pageLabelText(int64_t{INT32_MAX} + 1, 3), "当前第2147483648/3页");
}

TEST_F(CommaLocale, ReadingTakesAPointAndStopsAtAComma) {
    EXPECT_EQ(readLenient("1234.5"), 1234.5);
    EXPECT_EQ(readLenient("  -2.25abc"), -2.25);
    EXPECT_EQ(readLenient("1234,5"), 1234.0);
    EXPECT_EQ(readDecimal("0.1"), 0.1);
    EXPECT_EQ(readAmount("99.99"), 99.99);
    EXPECT_EQ(readCNumber("-12.5kg"), -12.5);
    EXPECT_TRUE(std::isinf(readCNumber("1e999")));
    EXPECT_EQ(roundToCents(1.005), 1.0);  // 1.005 is 1.00499999… in binary
    EXPECT_EQ(roundToCents(2.675), 2.67);
    EXPECT_EQ(readStrict("1,5"), std::nullopt);
    EXPECT_EQ(readStrict(" 1.5 "), 1.5);
}

TEST(NumberText, LenientAndStrictReadingOfOddText) {
    EXPECT_EQ(readLenient(""), 0.0);
    EXPECT_EQ(readLenient("abc"), 0.0);
    EXPECT_EQ(readLenient("inf"), 0.0);
    EXPECT_EQ(readLenient("nan"), 0.0);
    EXPECT_EQ(readLenient("1e999"), 0.0);
    EXPECT_EQ(readLenient("+.5"), 0.5);
    EXPECT_EQ(readLenient("1e3x"), 1000.0);
    EXPECT_EQ(readStrict(""), std::nullopt);
    EXPECT_EQ(readStrict("1.5x"), std::nullopt);
    EXPECT_EQ(readStrict("-inf"), std::nullopt);
    EXPECT_EQ(readInteger(" 42 "), 42);
    EXPECT_EQ(readInteger("4.2"), std::nullopt);
    EXPECT_EQ(formatFixed(1.0 / 0.0, 2), "0.00");
    EXPECT_EQ(formatTrimmed(-0.0001, 2), "0");
    EXPECT_EQ(formatPadded(7, 3), "007");
    EXPECT_EQ(formatDate(20240105), "2024-01-05");
}

// Fixed formatting takes a shortcut for short decimals; it must give what
// rounding the exact double gives, halfway cases and huge or tiny values
// included.
TEST(NumberText, FixedFormattingEqualsCorrectRoundingOfTheDouble) {
    auto exact = [](double value, int decimals) {
        char text[400];
        auto [end, ec] =
            std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
        return ec == std::errc{} ? std::string(text, end) : std::string("0");
    };
    std::vector<double> values = {0.0, -0.0,    0.125, 2.675,   1.005,   0.5,    1.5,
                                  2.5, -2.5,    0.045, 1e22,    1e-300,  5e-324, 123456.785,
                                  0.1, 1.0 / 3, 9.995, 99.9999, -0.0001, 4.35,   1e15 + 0.3};
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        const int64_t n = static_cast<int64_t>(random() % 2000000001) - 1000000000;
        values.push_back(static_cast<double>(n) / std::pow(10.0, static_cast<int>(random() % 12)));
        uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        if (std::isfinite(any)) values.push_back(any);
    }
    for (double v : values)
        for (int d : {0, 1, 2, 3, 4, 6, 8, 12, 16, 17, 20}) {
            const std::string text = exact(v, d);
            ASSERT_EQ(formatFixed(v, d), text) << v << " to " << d << " decimals";
            std::string trimmed = text;
            if (trimmed.find('.') != std::string::npos) {
                while (trimmed.back() == '0') trimmed.pop_back();
                if (trimmed.back() == '.') trimmed.pop_back();
            }
            if (trimmed == "-0") trimmed = "0";
            ASSERT_EQ(formatTrimmed(v, d), trimmed) << v << " to " << d << " decimals";
        }
}

}  // namespace
}  // namespace korvant
