#include "text/NumberText.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

std::size_t writeFixed(char* text, double value, int decimals) {
    if (!std::isfinite(value)) value = 0.0;
    if (decimals < 0) decimals = 0;
    // Most amounts and rates are short decimals, m / 10^decimals with an
    // integer m. When a step of the last decimal is coarser than the spacing
    // of doubles near the value, the double lies within half a step of that
    // decimal, so its digits are the rounded text. The decimal is found from
    // one product and confirmed by one division: while the product stays
    // below 2^51 its error is under a half, and the quotient of the exact m
    // and 10^decimals is the double nearest the decimal. Rounding the exact
    // double to a precision is several times slower and is kept for the
    // rest.
    static constexpr double Powers[] = {1,   1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,
                                        1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17};
    constexpr int MaxShortDecimals = 17;
    const double magnitude = std::fabs(value);
    if (magnitude == 0) {
        char* o = text;
        if (std::signbit(value)) *o++ = '-';
        *o++ = '0';
        if (decimals > 0) *o++ = '.';
        for (int z = 0; z < decimals && z < static_cast<int>(FixedTextSize) - 3; ++z) *o++ = '0';
        return static_cast<std::size_t>(o - text);
    }
    uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    ++bits;  // the next double up (after the largest: infinity)
    double next;
    std::memcpy(&next, &bits, sizeof next);
    // (Tiny values stay out: arithmetic on subnormal spacings is slow.)
    if (decimals <= MaxShortDecimals && magnitude > 1e-280 &&
        (next - magnitude) * 4 * Powers[decimals] < 1) {
        const double product = magnitude * Powers[decimals];
        const int64_t m = static_cast<int64_t>(product + 0.5);
        if (product < 2251799813685248.0 &&  // 2^51
            static_cast<double>(m) / Powers[decimals] == magnitude) {
            // The digits of m with the point before the last `decimals`:
            // the whole part (at least "0"), then the fraction zero-padded.
            // The usual 2 and 3 decimals divide by constants.
            char* o = text;
            if (std::signbit(value)) *o++ = '-';
            const auto um = static_cast<uint64_t>(m);
            const auto split = [&o, um, decimals](uint64_t scale) {
                o = std::to_chars(o, o + 20, um / scale).ptr;
                *o++ = '.';
                uint64_t fraction = um % scale;
                for (int z = decimals; z-- > 0; fraction /= 10)
                    o[z] = static_cast<char>('0' + fraction % 10);
                o += decimals;
            };
            if (decimals == 0)
                o = std::to_chars(o, o + 20, um).ptr;
            else if (decimals == 2)
                split(100);
            else if (decimals == 3)
                split(1000);
            else
                split(static_cast<uint64_t>(Powers[decimals]));
            return static_cast<std::size_t>(o - text);
        }
    }
    auto [end, ec] =
        std::to_chars(text, text + FixedTextSize, value, std::chars_format::fixed, decimals);
    if (ec != std::errc{}) {
        text[0] = '0';
        return 1;
    }
    return static_cast<std::size_t>(end - text);
}

std::size_t writeTrimmed(char* text, double value, int decimals) {
    std::size_t n = writeFixed(text, value, decimals);
    // Fixed text has a point exactly when it has decimals (a value too long
    // for the buffer is a bare "0").
    if (decimals > 0 && n > 1) {
        while (n > 0 && text[n - 1] == '0') --n;
        if (n > 0 && text[n - 1] == '.') --n;
    }
    if (n == 2 && text[0] == '-' && text[1] == '0') {
        text[0] = '0';
        n = 1;
    }
    return n;
}

std::string formatFixed(double value, int decimals) {
    char text[FixedTextSize];
    return std::string(text, writeFixed(text, value, decimals));
}

std::string formatTrimmed(double value, int decimals) {
    char text[FixedTextSize];
    return std::string(text, writeTrimmed(text, value, decimals));
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
