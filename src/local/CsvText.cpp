#include "local/CsvText.h"

#include <algorithm>

namespace korvant {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// An optional sign, digits, at most one decimal point among them.
bool isPlainNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    bool digits = false;
    bool point = false;
    for (char c : text) {
        if (isDigit(c)) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

// A character that would end the cell, or its line, where it stands.
bool breaksCell(char c) {
    return c == ',' || c == '"' || c == '\r' || c == '\n';
}

}  // namespace

bool csvStartsLikeFormula(std::string_view text) {
    if (text.empty()) return false;
    switch (text.front()) {
        case '=':
        case '@':
        case '\t':
        case '\r':
            return true;
        case '+':
        case '-':
            // A sign alone is text to a spreadsheet too.
            return text.size() > 1 && !isPlainNumber(text);
        default:
            return false;
    }
}

void appendCsvCell(std::string& out, std::string_view text) {
    const bool formula = csvStartsLikeFormula(text);
    if (std::none_of(text.begin(), text.end(), breaksCell)) {
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

std::string csvCell(std::string_view text) {
    std::string out;
    appendCsvCell(out, text);
    return out;
}

std::string_view csvCellText(std::string_view cell) {
    if (cell.size() > 1 && cell.front() == '\'' && csvStartsLikeFormula(cell.substr(1)))
        cell.remove_prefix(1);
    return cell;
}

}  // namespace korvant
