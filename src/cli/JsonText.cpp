#include "cli/JsonText.h"

#include <charconv>
#include <cmath>

namespace korvant::cli {
namespace {

// Length of the well-formed UTF-8 character at the start of `text`, 0 when
// it does not start with one (overlong forms and surrogates included).
std::size_t utf8Length(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // bounds of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

void appendEscape(std::string& out, unsigned code) {
    static const char Hex[] = "0123456789abcdef";
    out += "\\u00";
    out += Hex[(code >> 4) & 0x0F];
    out += Hex[code & 0x0F];
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    while (!text.empty()) {
        const std::size_t length = utf8Length(text);
        if (length == 0) {
            out += "\xEF\xBF\xBD";  // U+FFFD
            text.remove_prefix(1);
            continue;
        }
        const auto c = static_cast<unsigned char>(text[0]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            appendEscape(out, c);
        } else if (c == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0) {
            appendEscape(out, static_cast<unsigned char>(text[1]));  // C1 control
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    out += '"';
}

void appendJsonValue(std::string& out, const RawValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        appendJsonString(out, *text);
        return;
    }
    char buffer[48];
    std::to_chars_result written{};
    if (const auto* integer = std::get_if<int64_t>(&value)) {
        written = std::to_chars(buffer, buffer + sizeof buffer, *integer);
    } else {
        const double number = std::get<double>(value);
        if (!std::isfinite(number)) {
            out += "null";
            return;
        }
        // Amounts as plain decimals ("1000000", not "1e+06"); the shortest
        // text that reads back the same either way.
        const double size = std::fabs(number);
        written =
            size == 0 || (size >= 1e-6 && size < 1e15)
                ? std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed)
                : std::to_chars(buffer, buffer + sizeof buffer, number);
    }
    out.append(buffer, written.ptr);
}

}  // namespace korvant::cli
