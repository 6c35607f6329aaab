#include "local/CsvText.h"

#include <algorithm>

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

// A character that would end the field, or its line, where it stands.
bool breaksField(char c) {
    return c == ',' || c == '"' || c == '\r' || c == '\n';
}

}  // namespace

std::string csvSafeText(const std::string& text) {
    std::string out;
    appendCsvSafeText(out, text);
    return out;
}

void appendCsvSafeText(std::string& out, const std::string& text) {
    if (startsLikeFormula(text)) out += '\'';
    out += text;
}

std::string csvQuotedText(const std::string& text) {
    std::string out;
    appendCsvQuotedText(out, text);
    return out;
}

void appendCsvQuotedText(std::string& out, const std::string& text) {
    const bool formula = startsLikeFormula(text);
    if (std::none_of(text.begin(), text.end(), breaksField)) {
        if (formula) out += '\'';
        out += text;
        return;
    }
    out += '"';
    if (formula) out += '\'';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace korvant
