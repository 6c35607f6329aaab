#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Typed values against the field that holds them: never store something
// other than what was typed without saying so. Each check returns the
// message that names the field and its limit, or an empty text when the
// value fits. The desk's dialogs and the command line use the same checks.
namespace korvant {

// A whole number from `min` to `max` (blanks around it allowed; empty text
// is 0), else "“参数1”应为 0 到 2147483647 之间的整数。  ".
std::string integerFieldRefusal(const std::string& field, std::string_view typed, int64_t min,
                                int64_t max);
// The same for a value already read.
std::string integerRangeRefusal(const std::string& field, int64_t value, int64_t min, int64_t max);

// A text that a GBK field of `maxBytes` bytes holds whole: valid UTF-8
// ("“名称”不是有效的 UTF-8 文本。  "), only characters GBK has
// ("“名称”含有 GBK 无法表示的字符“😀”。  ") and at most `maxBytes` bytes in
// GBK ("“名称”最多 255 个字节（一个汉字占 2 个字节），现为 300 个字节。  ").
std::string textFieldRefusal(const std::string& field, std::string_view utf8, std::size_t maxBytes);

}  // namespace korvant
