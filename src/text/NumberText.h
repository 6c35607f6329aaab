#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Number and date text, written and read without the process locale: a
// desktop whose locale writes decimal commas still gets "1234.50" in files,
// on the wire and in cells, and typed "1234.5" is read as such.
namespace korvant {

// "%.*f": fixed notation with `decimals` digits after the point.
std::string formatFixed(double value, int decimals);

// "%.*f" with trailing zeros and a bare point removed ("1.5000" → "1.5",
// "2.000" → "2"); "0" stays "0".
std::string formatTrimmed(double value, int decimals);
// The most bytes formatFixed and formatTrimmed write.
inline constexpr std::size_t FixedTextSize = 400;
// formatFixed and formatTrimmed written to `text`, which has room for
// FixedTextSize bytes; the length.
std::size_t writeFixed(char* text, double value, int decimals);
std::size_t writeTrimmed(char* text, double value, int decimals);

// Decimal integer text.
std::string formatInt(int64_t value);

// Zero-padded decimal of at least `width` digits ("%0*d").
std::string formatPadded(int64_t value, int width);

// Reads a number the way a lenient C reader does: leading blanks, an
// optional sign, then the longest number (digits, a point, an exponent);
// whatever follows is ignored. Empty or non-numeric text, infinities and NaN
// give 0.
double readLenient(std::string_view text);

// Reads the longest number at the start of the text exactly as the C
// library's reader does in the "C" locale, whatever the process locale:
// infinities, NaN and overflow ("1e999" gives infinity) come through for the
// caller to refuse; no number gives 0.
double readCNumber(std::string_view text);

// Reads the whole text as a decimal number (blanks around it allowed); no
// value for anything else, infinities and NaN included.
std::optional<double> readStrict(std::string_view text);

// Reads a whole decimal integer (blanks around it allowed) that fits 64 bits.
std::optional<int64_t> readInteger(std::string_view text);

// Dates as yyyymmdd integers and their "YYYY-MM-DD" text.
std::string formatDate(int32_t yyyymmdd);

// printf-style formatting into a string under the "C" locale of this thread
// only, whatever the process locale is: "%.2f" always writes a point.
std::string formatPrintf(const char* format, va_list args);

}  // namespace korvant
