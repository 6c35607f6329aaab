#include "local/XmlText.h"

namespace korvant {

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";

// The length of the well-formed UTF-8 character at `text[i]` (a lead byte
// beyond ASCII), or 0; U+FFFE and U+FFFF, which XML forbids, count as
// ill-formed.
std::size_t characterAt(std::string_view text, std::size_t i) {
    const auto at = [&](std::size_t k) {
        return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u;
    };
    const unsigned lead = at(0);
    const auto tail = [&](std::size_t k) { return (at(k) & 0xC0) == 0x80; };
    if (lead >= 0xC2 && lead <= 0xDF) return tail(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned second = at(1);
        if (lead == 0xE0 && second < 0xA0) return 0;   // overlong
        if (lead == 0xED && second >= 0xA0) return 0;  // a surrogate
        if (!tail(1) || !tail(2)) return 0;
        if (lead == 0xEF && second == 0xBF && at(2) >= 0xBE) return 0;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned second = at(1);
        if (lead == 0xF0 && second < 0x90) return 0;
        if (lead == 0xF4 && second >= 0x90) return 0;
        return tail(1) && tail(2) && tail(3) ? 4 : 0;
    }
    return 0;
}

}  // namespace

void appendXmlText(std::string& out, std::string_view utf8) {
    std::size_t plain = 0;  // start of the bytes not yet copied
    const auto flush = [&](std::size_t end) { out.append(utf8.data() + plain, end - plain); };
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte >= 0x80) {
            const std::size_t n = characterAt(utf8, i);
            if (n != 0) {
                i += n;
                continue;
            }
            flush(i);
            out += Replacement;
            plain = ++i;
            continue;
        }
        if (byte >= 0x20 && byte != '&' && byte != '<' && byte != '>' && byte != '"') {
            ++i;
            continue;
        }
        flush(i);
        switch (byte) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\r':
                out += "&#13;";
                break;
            case '\t':
            case '\n':
                out += static_cast<char>(byte);
                break;
            default:
                break;  // a control character XML forbids
        }
        plain = ++i;
    }
    flush(utf8.size());
}

}  // namespace korvant
