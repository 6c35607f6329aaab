#include "text/Ipv4Text.h"

namespace korvant {

uint32_t parseIpv4(std::string_view text) {
    // Blanks around the text are tolerated, nothing else.
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    uint32_t address = 0;
    int part = 0;
    std::size_t i = 0;
    while (part < 4) {
        int value = 0;
        int digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 4) {
            value = value * 10 + (text[i] - '0');
            ++digits;
            ++i;
        }
        if (digits == 0 || digits > 3 || value > 255) return 0;
        address |= static_cast<uint32_t>(value) << (8 * part);
        ++part;
        if (part < 4) {
            if (i >= text.size() || text[i] != '.') return 0;
            ++i;
        }
    }
    return i == text.size() ? address : 0;
}

std::string formatIpv4(uint32_t address) {
    if (address == 0) return "";
    std::string out;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) out += '.';
        out += std::to_string((address >> (8 * part)) & 0xFF);
    }
    return out;
}

AllowedIps packAllowedIps(const std::array<std::string, AllowedIpCount>& texts) {
    AllowedIps packed{};
    int next = 0;
    for (const std::string& text : texts) {
        uint32_t address = parseIpv4(text);
        if (address != 0) packed[static_cast<std::size_t>(next++)] = address;
    }
    return packed;
}

}  // namespace korvant
