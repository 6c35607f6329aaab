#include <map>
#include <set>

#include "DataSets.h"
#include "HandlerSupport.h"
#include "PageSizes.h"
#include "SimTestClient.h"
#include "StatementComposer.h"
#include "TradingData.h"

namespace korvant::sim::test {
namespace {

constexpr int TradeRow = 256, OrderRow = 456, PositionRow = 156, FundsRow = 144, NetRow = 124;

// Requests of the reports: trading day (or range), target text and id, page.
Reply dayReport(SimClient& c, uint8_t command, int32_t day, const std::string& text, int32_t target,
                int page) {
    return c.request(command, 48, [&](PacketWriter& w) {
        w.i32(4, day).text(8, 32, text).i32(40, target).i32(44, page);
    });
}
Reply rangeExport(SimClient& c, uint8_t command, int32_t from, int32_t to, int32_t target,
                  int page) {
    return c.request(command, 52, [&](PacketWriter& w) {
        w.i32(4, from).i32(8, to).i32(44, target).i32(48, page);
    });
}
Reply fundsExport(SimClient& c, int32_t from, int32_t to, int32_t key, int32_t order,
                  int32_t target, int page) {
    return c.request(cmd::FundsExport, 68, [&](PacketWriter& w) {
        w.i32(4, 4711).i32(8, from).i32(12, to).i32(16, key).i32(20, order);
        w.i32(56, target).i32(60, page);
    });
}

// Rows of every page (page count at 4), as bytes.
std::vector<std::string> allRows(const std::function<Reply(int)>& page, int rowSize) {
    std::vector<std::string> rows;
    for (int p = 0; p < 1000; ++p) {
        Reply r = page(p);
        EXPECT_EQ(r.pageIndex(), p);
        for (int i = 0; i < r.records(rowSize); ++i)
            rows.emplace_back(reinterpret_cast<const char*>(r.record(i, rowSize)), rowSize);
        if (p + 1 >= r.totalPages()) break;
    }
    return rows;
}

class Reports : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(admin.login("admin", "admin").size(), 44);
        to = today();
        from = to;
        for (int i = 0; i < 20; ++i) from = previousDay(from);
    }
    std::unique_ptr<SimServerThread> server = startServer("demo");
    SimClient admin{server->port()};
    int32_t from = 0, to = 0;
};

// Pages of a range export hold exactly the rows of the day queries, day by
// day, however the page borders fall.
TEST_F(Reports, PagesOfARangeAddUpToTheDays) {
    struct Case {
        uint8_t query, exportCommand;
        int rowSize, pageSize;
    };
    for (const Case& k : {Case{cmd::TradeReport, cmd::TradeExport, TradeRow, page::TradeRows},
                          Case{cmd::OrderReport, cmd::OrderExport, OrderRow, page::OrderRows}}) {
        std::vector<std::string> days;
        for (int32_t day = from; day <= to; day = nextDay(day)) {
            auto rows =
                allRows([&](int p) { return dayReport(admin, k.query, day, "", 1, p); }, k.rowSize);
            days.insert(days.end(), rows.begin(), rows.end());
        }
        auto range = allRows(
            [&](int p) { return rangeExport(admin, k.exportCommand, from, to, 1, p); }, k.rowSize);
        EXPECT_GT(range.size(), static_cast<std::size_t>(2 * k.pageSize));
        EXPECT_TRUE(range == days) << static_cast<int>(k.query);
    }
}

// Every order's traded volume is the sum of its trades; every status occurs.
TEST(TradingData, TradesFillTheirOrders) {
    SimState s;
    ASSERT_TRUE(buildDataSet("large", 1, s));
    const TradingData data(s);
    std::set<char> statuses;
    for (int32_t day : data.tradingDays(20261102, 20261113))
        for (std::size_t i = 0; i < 400; ++i) {
            const SubAccount& a = s.subAccounts[i * 97];
            std::map<int32_t, int> traded;
            for (const TradeFact& t : data.tradesOf(a, day)) traded[t.orderNumber] += t.volume;
            for (const OrderFact& o : data.orders(a, day)) {
                statuses.insert(o.status);
                EXPECT_EQ(o.traded, traded[o.number]) << a.number << " " << day;
                EXPECT_LE(o.traded, o.volume);
            }
            // What is held was bought or sold by a trade of its open day.
            for (const PositionFact& p : data.positions(a, day)) {
                bool opened = false;
                for (const TradeFact& t : data.tradesOf(a, p.openDay))
                    opened |=
                        t.tradeNumber == p.tradeNumber && t.volume == p.volume && t.offset == '0';
                EXPECT_TRUE(opened) << p.tradeNumber;
            }
        }
    EXPECT_EQ(statuses, (std::set<char>{'0', '1', '2', '3', '4', '5', 'e', 'x'}));
}

TEST(TradingData, LargeMonthHoldsAMillionTrades) {
    SimState s;
    ASSERT_TRUE(buildDataSet("large", 1, s));
    const TradingData data(s);
    EXPECT_GE(data.countTrades(s.positionsWithin(1, true), LargeSetMonthFrom, LargeSetMonthTo),
              LargeSetTrades);
}

TEST_F(Reports, PositionChangesShowInLaterAnswers) {
    // A position of a customer of the first desk, held over a few days.
    std::vector<uint8_t> row;
    int32_t day = 0;
    for (int32_t d = from; d <= to && row.empty(); d = nextDay(d)) {
        Reply r = dayReport(admin, cmd::PositionReport, d, "100101", -1, 0);
        for (int i = 0; i < r.records(PositionRow) && row.empty(); ++i)
            if (getI32(r.record(i, PositionRow) + 136) >= 2)
                row.assign(r.record(i, PositionRow), r.record(i, PositionRow) + PositionRow);
        day = d;
    }
    ASSERT_FALSE(row.empty());
    auto change = [&](int32_t volume, uint8_t hedge, const std::string& trade) {
        return admin.request(cmd::ModifyPositions, 120, [&](PacketWriter& w) {
            w.text(4, 12, readPlainText(row.data(), 12))
                .text(16, 32, readPlainText(row.data() + 12, 32))
                .text(48, 24, trade)
                .u8(96, row[120])
                .u8(97, row[121])
                .u8(98, hedge)
                .i32(100, getI32(row.data() + 124))
                .i32(104, getI32(row.data() + 128))
                .i32(108, day)
                .i32(112, getI32(row.data() + 136))
                .i32(116, volume);
        });
    };
    const std::string trade = readPlainText(row.data() + 72, 24);
    const int32_t volume = getI32(row.data() + 136);
    struct Refused {
        int32_t volume;
        uint8_t hedge;
        std::string trade, text;
    };
    for (const Refused& r :
         {Refused{volume + 1, 0xFF, trade, "不能大于"}, Refused{-2, 0xFF, trade, "不能为负数"},
          Refused{-1, 0xFF, "999999", "持仓不存在"}}) {
        Reply answer = change(r.volume, r.hedge, r.trade);
        EXPECT_TRUE(answer.refused());
        EXPECT_TRUE(contains(answer.resultText(), r.text)) << answer.resultText();
    }
    ASSERT_TRUE(change(volume - 1, '3', trade).accepted());
    Reply after = dayReport(admin, cmd::PositionReport, day, "100101", -1, 0);
    const uint8_t* changed = findRecord(after, PositionRow, trade, 72, 24);
    ASSERT_NE(changed, nullptr);
    EXPECT_EQ(getI32(changed + 136), volume - 1);
    EXPECT_EQ(changed[121], '3');
    // Down to nothing: the position is gone.
    ASSERT_TRUE(change(0, 0xFF, trade).accepted());
    EXPECT_EQ(findRecord(dayReport(admin, cmd::PositionReport, day, "100101", -1, 0), PositionRow,
                         trade, 72, 24),
              nullptr);
}

TEST_F(Reports, FundsExportEndsWithMinusOne) {
    int page = 0, rows = 0, answers = 0;
    Reply r;
    do {
        r = fundsExport(admin, from, to, 3, 2, 1, page);
        ASSERT_EQ(r.command(), cmd::FundsExport);
        rows += r.records(FundsRow);
        page = r.i32(8);
        ++answers;
    } while (r.i32(4) >= 0 && answers < 100);
    EXPECT_EQ(r.i32(4), -1);
    EXPECT_EQ(rows, 60);  // every customer of the demo
    // Sorted by equity, descending.
    Reply first = fundsExport(admin, from, to, 3, 2, 1, 0);
    for (int i = 1; i < first.records(FundsRow); ++i)
        EXPECT_GE(getF64(first.record(i - 1, FundsRow) + 36),
                  getF64(first.record(i, FundsRow) + 36));
    // Nothing to export: -1 at once.
    Reply none = fundsExport(admin, from, to, 1, 1, -1, 0);
    EXPECT_EQ(none.size(), 12);
    EXPECT_EQ(none.i32(4), -1);
}

TEST_F(Reports, UnknownTargetsAnswerNoRows) {
    const std::vector<std::function<Reply()>> asks = {
        [&] { return dayReport(admin, cmd::TradeReport, to, "999999", -1, 0); },
        [&] { return dayReport(admin, cmd::PositionReport, to, "", 4242, 0); },
        [&] { return rangeExport(admin, cmd::OrderExport, from, to, -7, 0); },
        [&] {
            return admin.request(cmd::NetValueReport, 36, [&](PacketWriter& w) {
                w.i32(4, from).i32(8, to).text(12, 16, "nobody").i32(28, -1);
            });
        },
    };
    for (const auto& ask : asks) {
        Reply r = ask();
        EXPECT_EQ(r.size(), 12);
        EXPECT_EQ(r.totalPages(), 0);
        EXPECT_EQ(r.pageIndex(), 0);
    }
}

TEST_F(Reports, SameRequestSameBytes) {
    Reply net = admin.request(cmd::NetValueReport, 36, [&](PacketWriter& w) {
        w.i32(4, from).i32(8, to).text(12, 16, "880101").i32(28, -1);
    });
    ASSERT_GT(net.records(NetRow), 5);
    EXPECT_EQ(getF64(net.record(0, NetRow) + 36), 5000000.0);
    auto funds = [&] {
        return admin.request(cmd::FundsReport, 60, [&](PacketWriter& w) {
            w.i32(4, to).i32(8, 1).i32(12, 1).i32(48, 5);
        });
    };
    auto trades = [&] { return rangeExport(admin, cmd::TradeExport, from, to, 1, 3); };
    EXPECT_EQ(trades().bytes, trades().bytes);
    EXPECT_EQ(funds().bytes, funds().bytes);
    auto other = startServer("demo");
    SimClient second(other->port());
    ASSERT_EQ(second.login("admin", "admin").size(), 44);
    EXPECT_EQ(rangeExport(second, cmd::TradeExport, from, to, 1, 3).bytes, trades().bytes);
}

}  // namespace
}  // namespace korvant::sim::test
