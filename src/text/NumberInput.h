#pragma once

#include <optional>
#include <string>
#include <string_view>

// What a number field of a form accepts, and the one judgement of typed text
// against it. The desk's edit fields let through only what this judgement
// allows; the command line refuses option text it does not accept.
namespace korvant {

struct NumberInput {
    // Digits allowed after the point; 0 = whole numbers only.
    int decimals = 2;
    // A leading "-" is allowed (only where a negative value means something).
    bool signAllowed = false;
    // Largest magnitude accepted (inclusive).
    double maximum = 999999999999.99;
};

// Money with cents, at most 999 999 999 999.99.
inline constexpr NumberInput MoneyInput{2, false, 999999999999.99};
// A rate in percent with up to six decimals.
inline constexpr NumberInput PercentRateInput{6, false, 999999999999.0};
// A whole number that fits a 32-bit field.
inline constexpr NumberInput CountInput{0, false, 2147483647.0};

enum class NumberInputState {
    Invalid,       // can never become a number of the field
    Intermediate,  // on the way to one ("-", "12." is not this: it reads as 12)
    Acceptable,    // a number of the field, or empty (read as 0)
};

// Plain decimal notation only: an optional "-" where allowed, digits, at
// most one point followed by at most `decimals` digits. No blanks, group
// separators, exponents or other characters; the value within the maximum.
NumberInputState judgeNumberInput(const NumberInput& input, std::string_view text);

// What a refusal says about `label`'s rule, e.g. "初始资金：请填写数字（最多 2 位
// 小数）" or "允许子账号数量：请填写整数".
std::string numberInputRefusal(const std::string& label, const NumberInput& input);

// The value of acceptable text (empty = 0); no value for anything else.
std::optional<double> readNumberInput(const NumberInput& input, std::string_view text);

}  // namespace korvant
