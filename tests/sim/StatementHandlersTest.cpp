#include <chrono>
#include <cstdio>

#include "SimTestClient.h"
#include "support/TradingDays.h"

namespace korvant::sim::test {
namespace {

namespace chr = std::chrono;
using korvant::test::lastMonday;
using korvant::test::ymd;

Reply statementChunk(SimClient& client, const std::string& account, int start, int chunk,
                     bool csv = false) {
    return client.request(cmd::Statement, 60, [&](PacketWriter& w) {
        w.i32(4, start).text(8, 32, account).i32(40, -1).i32(44, chunk).i32(48, csv ? 1 : 0);
    });
}

// Every chunk of a statement: the text, or none when the first answer is
// not a chunk.
std::string wholeStatement(SimClient& client, const std::string& account, int start) {
    std::string text;
    int32_t total = -1;
    for (int chunk = 0; chunk < 1000; ++chunk) {
        const Reply r = statementChunk(client, account, start, chunk);
        if (r.command() != cmd::Statement) return {};
        if (chunk == 0) total = r.i32(4);
        EXPECT_EQ(r.i32(4), total);
        text.append(r.bytes.begin() + 8, r.bytes.end());
        if (r.size() != 10248) {
            EXPECT_EQ(text.size(), static_cast<std::size_t>(r.i32(4)));
            return text;
        }
    }
    ADD_FAILURE() << "endless statement";
    return text;
}

TEST(StatementHandlers, DaysWeekendsMonthsAndTheListOfAGroup) {
    auto server = startServer("demo");
    SimClient client(server->port());
    client.login("admin", "admin");
    const int monday = ymd(lastMonday());
    const std::string daily = wholeStatement(client, "100102", monday);
    EXPECT_TRUE(contains(fromGbk(daily), "结算单(盯市)"));
    EXPECT_TRUE(contains(fromGbk(daily), "\r\n"));
    EXPECT_TRUE(statementChunk(client, "100102", ymd(lastMonday() - chr::days(1)), 0).refused());
    EXPECT_TRUE(statementChunk(client, "999999", monday, 0).refused());
    // The busy customer's month takes several chunks.
    const int month = ymd(lastMonday() - chr::days(31)) / 100;
    EXPECT_GT(wholeStatement(client, "100101", month).size(), 3u * 10240);

    const Reply list = client.request(cmd::StatementList, 52, [&](PacketWriter& w) {
        w.i32(4, monday).i32(8, ymd(lastMonday() + chr::days(6))).i32(12, 5).i32(48, 0);
    });
    ASSERT_EQ(list.command(), cmd::StatementList);
    EXPECT_EQ(list.records(8), 15 * 5);  // five trading days of 15 accounts
    EXPECT_EQ(getI32(list.record(0, 8) + 4), monday);
}

TEST(StatementHandlers, TheBusiestCustomerOfTheLargeSetHasAMonthOverOneMegabyte) {
    auto server = startServer("large");
    SimClient client(server->port());
    client.login("admin", "admin");
    const int month = ymd(lastMonday() - chr::days(31)) / 100;
    EXPECT_GT(wholeStatement(client, "101001", month).size(), 1u << 20);
}

// A day's trades of the trade report and its funds are the statement's,
// in both styles.
TEST(StatementHandlers, TheStatementShowsTheTradesAndFundsOfTheReports) {
    auto server = startServer("demo");
    SimClient client(server->port());
    client.login("admin", "admin");
    const int day = ymd(lastMonday());
    const auto report = [&](uint8_t command, int page) {
        return client.request(command, 48, [&](PacketWriter& w) {
            w.i32(4, day).text(8, 32, "100102").i32(40, -1).i32(44, page);
        });
    };
    const auto money = [](double v) {
        char text[64];
        std::snprintf(text, sizeof text, "%.2f", v);
        return std::string(text);
    };
    const Reply funds = client.request(cmd::FundsReport, 60, [&](PacketWriter& w) {
        w.i32(4, day).i32(8, 1).i32(12, 1).text(16, 32, "100102").i32(48, -1);
    });
    ASSERT_EQ(funds.records(144), 1);
    for (const int style : {0, 1}) {
        int lots = 0, rows = 0;
        double fees = 0, profit = 0;
        for (int page = 0; page < 100; ++page) {
            const Reply trades = report(cmd::TradeReport, page);
            for (int i = 0; i < trades.records(256); ++i, ++rows) {
                const uint8_t* row = trades.record(i, 256);
                lots += getI32(row + 116);
                fees += getF64(row + 192);
                profit += getF64(row + (style == 1 ? 200 : 208));
            }
            if (page + 1 >= trades.totalPages()) break;
        }
        ASSERT_GT(rows, 0);
        const Reply chunk = client.request(cmd::Statement, 60, [&](PacketWriter& w) {
            w.i32(4, day).text(8, 32, "100102").i32(40, -1).i32(48, 1).i32(56, style);
        });
        ASSERT_EQ(chunk.command(), cmd::Statement);
        const std::string text = fromGbk(std::string(chunk.bytes.begin() + 8, chunk.bytes.end()));
        EXPECT_TRUE(contains(text, "合计,,,,,,," + std::to_string(lots) + ",,," + money(fees) +
                                       "," + money(profit) + "\r\n"))
            << text;
        const uint8_t* f = funds.record(0, 144);
        EXPECT_TRUE(contains(
            text, "上日结存:," + money(getF64(f + 44)) + ",客户权益:," + money(getF64(f + 36))));
        EXPECT_TRUE(contains(text, "保证金占用:," + money(getF64(f + 60))));
        EXPECT_TRUE(contains(text, "手续费:," + money(getF64(f + 68))));
    }
}

}  // namespace
}  // namespace korvant::sim::test
