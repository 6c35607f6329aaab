#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The period of a statement, the month list of the page and the names of
// statement files.
namespace korvant {

// "日结单", "月结单", "日期范围", in list order.
enum class PeriodType : int { Day = 0, Month = 1, Range = 2 };
const char* periodCaption(PeriodType type);

struct StatementPeriod {
    PeriodType type = PeriodType::Day;
    int32_t first = 0;  // the first date picker, yyyymmdd
    int32_t month = 0;  // the month list's entry, yyyymm
    int32_t last = 0;   // the second date picker, yyyymmdd

    // What the request carries: the day or the month, and the end day of a
    // range (0 otherwise).
    int32_t start() const { return type == PeriodType::Month ? month : first; }
    int32_t end() const { return type == PeriodType::Range ? last : 0; }
};

// The month list: 12 entries year * 100 + month, the month of `today`
// (yyyymmdd) first, going back one month per entry.
std::vector<int32_t> statementMonths(int32_t today);

// The name part of a proposed file name: the typed account number (at most
// 11 characters) or, when none was typed, the report tree node's text.
// Path separators and control characters become '_'.
std::string statementNamePart(const std::string& account, const std::string& targetText);

// "NAME_yyyymmdd.ext", or "NAME_yyyymmdd_yyyymmdd.ext" for a range; the
// first picker's date also for a monthly statement; "csv" or "txt".
std::string proposedStatementName(const std::string& namePart, const StatementPeriod& period,
                                  bool csv);

// `path` with ".csv" (".txt") appended unless it already ends so, in any
// case. A CSV statement's path ending in ".xlsx" (a workbook) stays as it is.
std::string withStatementExtension(const std::string& path, bool csv);

// The sheet of a CSV statement written as a workbook: "日结单", "月结单", or
// "结算单" for a range.
std::string statementSheetName(const StatementPeriod& period);

// The file of one batch entry: "ACCOUNT_DAY.ext", numbers only.
std::string batchStatementFileName(int32_t account, int32_t day, bool csv);

}  // namespace korvant
