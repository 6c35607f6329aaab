#include "text/NumberText.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <locale.h>

namespace korvant {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) value = 0.0;
    if (decimals < 0) decimals = 0;
    char text[400];
    auto [end, ec] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (ec != std::errc{}) return "0";
    return std::string(text, end);
}

std::string formatTrimmed(double value, int decimals) {
    std::string text = formatFixed(value, decimals);
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0') text.pop_back();
        if (!text.empty() && text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

std::string formatInt(int64_t value) {
    char text[24];
    auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end);
}

std::string formatPadded(int64_t value, int width) {
    std::string digits = formatInt(value < 0 ? -value : value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

double readLenient(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars accepts no leading '+' and reads "inf"/"nan": both are
    // refused here, as only digits and a point may start a number.
    if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.'))
        return 0.0;
    double value = 0.0;
    auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    (void)end;
    if (ec != std::errc{} || !std::isfinite(value)) return 0.0;
    return negative ? -value : value;
}

std::optional<double> readStrict(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) return std::nullopt;
    std::string_view digits = text;
    if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
    if (digits.empty() ||
        !((digits.front() >= '0' && digits.front() <= '9') || digits.front() == '.'))
        return std::nullopt;
    double value = 0.0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                     std::chars_format::general);
    if (ec != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return text.front() == '-' ? -value : value;
}

std::optional<int64_t> readInteger(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string formatDate(int32_t yyyymmdd) {
    return formatPadded(yyyymmdd / 10000, 4) + "-" + formatPadded(yyyymmdd / 100 % 100, 2) + "-" +
           formatPadded(yyyymmdd % 100, 2);
}

namespace {

// The "C" locale, made once and kept.
locale_t classicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return classic;
}

}  // namespace

double readCNumber(std::string_view text) {
    const std::string copy(text);
    const locale_t classic = classicLocale();
    if (classic == static_cast<locale_t>(0)) return readLenient(text);
    return strtod_l(copy.c_str(), nullptr, classic);
}

std::string formatPrintf(const char* format, va_list args) {
    // Switched to the "C" locale for this thread only.
    const locale_t classic = classicLocale();
    const locale_t previous = classic != static_cast<locale_t>(0) ? uselocale(classic) : 0;
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (needed > 0) {
        text.resize(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(text.data(), text.size(), format, args);
        text.resize(static_cast<std::size_t>(needed));
    }
    if (previous != static_cast<locale_t>(0)) uselocale(previous);
    return text;
}

}  // namespace korvant
