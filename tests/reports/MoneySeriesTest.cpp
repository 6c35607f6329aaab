// The chart lines made of net-value and funds rows, and the note under them.
#include <gtest/gtest.h>

#include "reports/money/MoneySeries.h"

namespace korvant {
namespace {

NetValueRow netRow(const char* account, int32_t day, double nav, double initial, double equity) {
    NetValueRow r;
    r.mainAccount = account;
    r.tradingDay = day;
    r.netAssetValue = nav;
    r.initialInvestment = initial;
    r.equity = equity;
    return r;
}

std::string pointsOf(const Series& series) {
    std::string text;
    for (const SeriesPoint& p : series.points)
        text += std::to_string(p.day) + "=" + std::to_string(p.value) + " ";
    return text;
}

TEST(MoneySeries, NetValueRowsBecomeOneSortedLinePerMainAccount) {
    const std::vector<NetValueRow> rows = {
        netRow("880101", 20240103, 1100, 1000, 1200),
        netRow("880102", 20240102, 500, 0, 510),  // no share value: equity only
        netRow("880101", 20240102, 1000, 1000, 1000),
        netRow("880101", 20240103, 1200, 1000, 1300),  // the day again: the last row holds
        netRow("", 20240102, 1, 1, 1),                 // no account
        netRow("880101", 20241340, 1, 1, 1),           // not a date
        netRow("880103", 20240102, 1, 1, 1),           // beyond the cap of two
        netRow("880104", 20240102, 1, 1, 1),
        netRow("880103", 20240103, 1, 1, 1),
    };
    const NetValueSeries s = netValueSeries(rows, 2);
    ASSERT_EQ(s.shareValues.size(), 2u);
    ASSERT_EQ(s.equities.size(), 2u);
    const struct {
        const Series& series;
        const char* name;
        std::string points;
    } want[] = {
        {s.shareValues[0], "880101", "20240102=1.000000 20240103=1.200000 "},
        {s.equities[0], "880101", "20240102=1000.000000 20240103=1300.000000 "},
        {s.shareValues[1], "880102", ""},
        {s.equities[1], "880102", "20240102=510.000000 "},
    };
    for (const auto& w : want) {
        EXPECT_EQ(w.series.name, w.name);
        EXPECT_EQ(pointsOf(w.series), w.points) << w.name;
    }
    EXPECT_EQ(s.leftOut, (std::vector<std::string>{"880103", "880104"}));
}

TEST(MoneySeries, FundsRowsOfOneAccountWithTheRiskTextAsPercent) {
    std::vector<FundsRow> rows(4);
    const struct {
        const char* account;
        int32_t day;
        const char* risk;
    } in[] = {{"1001", 20240103, "12.5%"},
              {"1001", 20240102, "abc"},
              {"1002", 20240102, "1%"},
              {"1001", 20240104, " 7% "}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].account = in[i].account;
        rows[i].tradingDay = in[i].day;
        rows[i].equity = 100.0 * static_cast<double>(i + 1);
        rows[i].available = 10.0 * static_cast<double>(i + 1);
        rows[i].margin = static_cast<double>(i + 1);
        rows[i].riskDegree = in[i].risk;
    }
    const FundsSeries s = fundsSeries(rows);
    EXPECT_EQ(s.account, "1001");
    EXPECT_EQ(pointsOf(s.equity), "20240102=200.000000 20240103=100.000000 20240104=400.000000 ");
    EXPECT_EQ(pointsOf(s.margin), "20240102=2.000000 20240103=1.000000 20240104=4.000000 ");
    EXPECT_EQ(pointsOf(s.risk), "20240103=12.500000 20240104=7.000000 ");  // "abc" is none
    EXPECT_EQ(fundsSeries(rows, "1002").available.points.size(), 1u);
}

TEST(MoneySeries, TheNoteSaysWhatIsMissing) {
    const struct {
        PageCursor cursor;
        std::vector<std::string> leftOut;
        const char* note;
    } cases[] = {
        {{1, 0}, {}, ""},
        {{3, 0}, {}, "图中只有已读的第 1/3 页"},
        {{1, 0}, {"880107", "880108"}, "未画出的主账号: 880107、880108"},
        {{2, 1}, {"880107"}, "图中只有已读的第 2/2 页；未画出的主账号: 880107"},
    };
    for (const auto& c : cases) EXPECT_EQ(seriesNote(c.cursor, c.leftOut), c.note);
    EXPECT_EQ(seriesPointText("份额净值", {20240305, 1.02346}, 4), "2024-03-05  份额净值 1.0235");
}

}  // namespace
}  // namespace korvant
