#include "local/CsvText.h"

namespace korvant {

namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool startsLikeFormula(const std::string& text) {
    if (text.empty()) return false;
    const char first = text.front();
    if (first == '=' || first == '+' || first == '@') return true;
    return first == '-' && text.size() > 1 && isAsciiLetter(text[1]);
}

}  // namespace

std::string csvSafeText(const std::string& text) {
    return startsLikeFormula(text) ? "'" + text : text;
}

std::string csvQuotedText(const std::string& text) {
    std::string safe = csvSafeText(text);
    if (safe.find_first_of(",\"\r\n") == std::string::npos) return safe;
    std::string quoted = "\"";
    for (char c : safe) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

}  // namespace korvant
