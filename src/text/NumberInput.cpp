#include "text/NumberInput.h"

#include "text/NumberText.h"

namespace korvant {

NumberInputState judgeNumberInput(const NumberInput& input, std::string_view text) {
    if (text.empty()) return NumberInputState::Acceptable;
    std::size_t at = 0;
    if (text[0] == '-') {
        if (!input.signAllowed) return NumberInputState::Invalid;
        at = 1;
    }
    int integerDigits = 0;
    int fractionDigits = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.') {
            if (point || input.decimals == 0) return NumberInputState::Invalid;
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (point) {
                if (++fractionDigits > input.decimals) return NumberInputState::Invalid;
            } else if (++integerDigits > 15) {
                // More digits than any maximum has: refused before reading.
                return NumberInputState::Invalid;
            }
        } else {
            return NumberInputState::Invalid;
        }
    }
    if (integerDigits == 0 && fractionDigits == 0) return NumberInputState::Intermediate;
    const std::optional<double> value = readStrict(text);
    if (!value) return NumberInputState::Invalid;
    const double magnitude = *value < 0 ? -*value : *value;
    if (magnitude > input.maximum) return NumberInputState::Invalid;
    return NumberInputState::Acceptable;
}

std::string numberInputRefusal(const std::string& label, const NumberInput& input) {
    if (input.decimals == 0) return label + "：请填写整数";
    return label + "：请填写数字（最多 " + formatInt(input.decimals) + " 位小数）";
}

std::optional<double> readNumberInput(const NumberInput& input, std::string_view text) {
    if (judgeNumberInput(input, text) != NumberInputState::Acceptable) return std::nullopt;
    if (text.empty()) return 0.0;
    return readStrict(text);
}

}  // namespace korvant
