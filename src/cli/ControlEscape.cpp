#include "cli/ControlEscape.h"

namespace korvant::cli {

std::string escapeControls(const std::string& text, bool keepLayout) {
    static const char Hex[] = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (keepLayout && (byte == '\t' || byte == '\r' || byte == '\n')) {
            escaped += c;
        } else if (byte == '\n') {
            escaped += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            escaped += "\\x";
            escaped += Hex[byte >> 4];
            escaped += Hex[byte & 0x0F];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace korvant::cli
