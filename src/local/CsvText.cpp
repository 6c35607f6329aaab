#include "local/CsvText.h"

#include <algorithm>
#include <array>
#include <cstdint>

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

CsvCellKind csvCellKind(std::string_view text) {
    // 1 for every byte from 0x80, 2 for ",", '"', CR and LF.
    static constexpr auto Marks = [] {
        std::array<uint8_t, 256> marks{};
        for (int c = 0x80; c < 0x100; ++c) marks[static_cast<std::size_t>(c)] = 1;
        for (unsigned char c : {',', '"', '\r', '\n'}) marks[c] = 2;
        return marks;
    }();
    unsigned seen = 0;
    for (char c : text) seen |= Marks[static_cast<unsigned char>(c)];
    if ((seen & 2) != 0 || csvStartsLikeFormula(text)) return CsvCellKind::Quoted;
    return seen == 0 ? CsvCellKind::Plain : CsvCellKind::Encoded;
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
