#include "reports/statements/StatementNames.h"

#include <cctype>

#include "text/NumberText.h"

namespace korvant {

namespace {

std::string extensionOf(bool csv) {
    return csv ? "csv" : "txt";
}

// "%i%02i%02i" of a yyyymmdd value.
std::string dayText(int32_t ymd) {
    return formatInt(ymd / 10000) + formatPadded(ymd / 100 % 100, 2) + formatPadded(ymd % 100, 2);
}

// Length in bytes of the first `count` UTF-8 characters of `text`.
std::size_t utf8Prefix(const std::string& text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < text.size() && n < count; ++n) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    }
    return i;
}

// Whether `path` ends in `ext` (lower case) in any case.
bool endsWithExtension(const std::string& path, const std::string& ext) {
    if (path.size() < ext.size()) return false;
    for (std::size_t i = 0; i < ext.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(path[path.size() - ext.size() + i])) != ext[i])
            return false;
    return true;
}

}  // namespace

const char* periodCaption(PeriodType type) {
    switch (type) {
        case PeriodType::Month:
            return "月结单";
        case PeriodType::Range:
            return "日期范围";
        case PeriodType::Day:
            break;
    }
    return "日结单";
}

std::vector<int32_t> statementMonths(int32_t today) {
    int32_t year = today / 10000;
    int32_t month = today / 100 % 100;
    std::vector<int32_t> months;
    for (int i = 0; i < 12; ++i) {
        months.push_back(year * 100 + month);
        if (--month < 1) {
            month = 12;
            --year;
        }
    }
    return months;
}

std::string statementNamePart(const std::string& account, const std::string& targetText) {
    std::string name = account.empty() ? targetText : account.substr(0, utf8Prefix(account, 11));
    for (char& c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || u < 0x20 || u == 0x7F) c = '_';
    }
    return name;
}

std::string proposedStatementName(const std::string& namePart, const StatementPeriod& period,
                                  bool csv) {
    std::string name = namePart + "_" + dayText(period.first);
    if (period.type == PeriodType::Range) name += "_" + dayText(period.last);
    return name + "." + extensionOf(csv);
}

std::string withStatementExtension(const std::string& path, bool csv) {
    const std::string ext = "." + extensionOf(csv);
    if (endsWithExtension(path, ext) || (csv && endsWithExtension(path, ".xlsx"))) return path;
    return path + ext;
}

std::string statementSheetName(const StatementPeriod& period) {
    return period.type == PeriodType::Range ? "结算单" : periodCaption(period.type);
}

std::string batchStatementFileName(int32_t account, int32_t day, bool csv) {
    return formatInt(account) + "_" + formatInt(day) + "." + extensionOf(csv);
}

}  // namespace korvant
