#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/PageCursor.h"
#include "reports/money/MoneyRows.h"

// The report rows of the net-value and funds pages as the lines of a chart:
// one value per trading day, in the order of the days.
namespace korvant {

struct SeriesPoint {
    int32_t day = 0;  // yyyymmdd
    double value = 0;
};

struct Series {
    std::string name;
    std::vector<SeriesPoint> points;
};

// At most this many main accounts are drawn; the rest are named in the note.
inline constexpr std::size_t MaxNetValueLines = 6;

struct NetValueSeries {
    // Per main account, in the order of their first row: "份额净值" (days
    // whose initial investment is above 0 only) and "账户权益".
    std::vector<Series> shareValues;
    std::vector<Series> equities;
    std::vector<std::string> leftOut;  // main accounts beyond the cap
};

// A day listed twice for one account keeps its last row; rows without a
// main account or with a day that is not a date are left out.
NetValueSeries netValueSeries(std::span<const NetValueRow> rows,
                              std::size_t maxLines = MaxNetValueLines);

struct FundsSeries {
    std::string account;
    Series equity;     // "权益"
    Series available;  // "可用资金"
    Series margin;     // "保证金"
    Series risk;       // "风险度", in percent, days whose text is a number only
};

// The rows of `account` (all rows when empty: the first row's account).
FundsSeries fundsSeries(std::span<const FundsRow> rows, const std::string& account = {});

// The line under a chart: what part of the range it shows and who is left
// out. Empty when everything was read and drawn.
std::string seriesNote(const PageCursor& cursor, const std::vector<std::string>& leftOut);

// "2024-03-05" and "份额净值 1.0234" style texts of a point, for hover.
std::string seriesPointText(const std::string& name, const SeriesPoint& point, int decimals);

}  // namespace korvant
