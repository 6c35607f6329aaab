#include "app/forms/FieldCheck.h"

#include "protocol/Gbk.h"
#include "text/NumberText.h"

namespace korvant {

namespace {

std::string quoted(const std::string& field) {
    return "“" + field + "”";
}

// Bytes of the UTF-8 character that starts with `lead` (valid text).
std::size_t characterLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}

}  // namespace

std::string integerRangeRefusal(const std::string& field, int64_t value, int64_t min, int64_t max) {
    if (value >= min && value <= max) return {};
    return quoted(field) + "应为 " + std::to_string(min) + " 到 " + std::to_string(max) +
           " 之间的整数。  ";
}

std::string integerFieldRefusal(const std::string& field, std::string_view typed, int64_t min,
                                int64_t max) {
    const bool blank = typed.find_first_not_of(" \t") == std::string_view::npos;
    const std::optional<int64_t> value = blank ? std::optional<int64_t>(0) : readInteger(typed);
    // Not a whole number, or one beyond 64 bits: out of range all the same.
    if (!value) return integerRangeRefusal(field, min > INT64_MIN ? min - 1 : max + 1, min, max);
    return integerRangeRefusal(field, *value, min, max);
}

std::string textFieldRefusal(const std::string& field, std::string_view utf8,
                             std::size_t maxBytes) {
    if (!isValidUtf8(utf8)) return quoted(field) + "不是有效的 UTF-8 文本。  ";
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = characterLength(static_cast<unsigned char>(utf8[i]));
        const std::string_view character = utf8.substr(i, length);
        const std::string gbk = toGbk(character);
        if (character != "?" && gbk == "?")
            return quoted(field) + "含有 GBK 无法表示的字符“" + std::string(character) + "”。  ";
        bytes += gbk.size();
        i += length;
    }
    if (bytes <= maxBytes) return {};
    return quoted(field) + "最多 " + std::to_string(maxBytes) +
           " 个字节（一个汉字占 2 个字节），现为 " + std::to_string(bytes) + " 个字节。  ";
}

}  // namespace korvant
