#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// GBK (code page 936) exists only on the wire and in files; inside the
// program every string is UTF-8. These functions are the only crossing.
namespace korvant {

// UTF-8 to GBK. Characters that GBK cannot hold become '?'.
std::string toGbk(std::string_view utf8);
// The same appended to `out` (which must not hold `utf8`).
void appendGbk(std::string& out, std::string_view utf8);
// The same written to `out`, which has room for utf8.size() bytes (GBK
// never takes more); the bytes written.
std::size_t writeGbk(char* out, std::string_view utf8);

// GBK to UTF-8. Invalid or truncated byte sequences become U+FFFD.
std::string fromGbk(std::string_view gbk);

// Number of bytes of `gbk` that can be kept within `maxBytes` without
// cutting a double-byte character in half.
std::size_t gbkCutLength(std::string_view gbk, std::size_t maxBytes);

// True when `bytes` is well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

// Writes `utf8` as GBK into a fixed text field of `width` bytes: at most
// width - 1 bytes, cut before a double-byte character that would not fit,
// the rest of the field zero.
void writePlainText(uint8_t* field, std::size_t width, std::string_view utf8);
// The same for a field that may be filled to its end, with no NUL after the
// text (cut to `width` bytes on a whole character).
void writeFilledText(uint8_t* field, std::size_t width, std::string_view utf8);

// Reads a fixed text field of `width` bytes: the bytes up to the first NUL
// (or the whole field when it has none), decoded from GBK.
std::string readPlainText(const uint8_t* field, std::size_t width);
// The same into `out`, reusing its storage (the record parsers' form).
void readPlainText(const uint8_t* field, std::size_t width, std::string& out);

// The raw GBK bytes of a fixed text field, up to the first NUL.
std::string_view rawPlainText(const uint8_t* field, std::size_t width);

// The same conversions through the system converter, call by call: the
// reference that the table-driven ones above must equal.
namespace detail {
std::string toGbkByConverter(std::string_view utf8);
std::string fromGbkByConverter(std::string_view gbk);
}  // namespace detail

}  // namespace korvant
