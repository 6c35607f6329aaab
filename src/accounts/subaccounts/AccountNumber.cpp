#include "accounts/subaccounts/AccountNumber.h"

#include <limits>

namespace korvant {

int64_t readLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                               text[i] == '\r' || text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr int64_t limit = std::numeric_limits<int64_t>::max();
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (limit - digit) / 10) {
            value = limit;  // saturate; the range check refuses it anyway
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

bool isSubAccountNumber(int64_t value) {
    return value >= MinSubAccountNumber && value <= MaxSubAccountNumber;
}

std::string cleanMacRestriction(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || c == '.' || c == ';')
            out.push_back(c);
    }
    return out;
}

}  // namespace korvant
