#include <gtest/gtest.h>

#include "app/lists/AccountListQuery.h"
#include "reports/ReportActions.h"
#include "reports/ReportDeskFixture.h"
#include "reports/log/OperationLog.h"
#include "view/DeskView.h"
#include "view/ViewPaging.h"

namespace korvant::test {
namespace {

Bytes entry(int i, const std::string& dateTime = "2026-12-08 10:00:00") {
    Bytes r(LogEntry::WireSize, 0);
    LogEntry e;
    e.administrator = "admin";
    e.operation = "添加子账号";
    e.remark = "账号:" + std::to_string(i);
    e.dateTime = dateTime;
    e.ip = "127.0.0.1";
    e.mac = "00-11-22";
    e.toWire(r.data());
    return r;
}

TEST(OperationLogQuery, LayoutWithTheUnalignedMask) {
    LogQuery q;
    q.from = {2026, 1, 2, 3, 4, 5};
    q.to = {2026, 12, 31, 23, 59, 59};
    q.administrator = "admin";
    q.keyword = "添加";
    q.categories[8] = true;  // "修改持仓"
    std::vector<uint8_t> b(200, 0xEE);
    ASSERT_EQ(writeLogQuery("01", 3, q, b), 125);
    EXPECT_EQ(b[3], 58);
    EXPECT_EQ(ReportDeskFixture::textAt(b, 4, 16), "01");
    EXPECT_EQ(ReportDeskFixture::i32At(b, 20), 3);
    EXPECT_EQ(ReportDeskFixture::textAt(b, 24, 32), "2026-1-2 03:04:05");
    EXPECT_EQ(ReportDeskFixture::textAt(b, 56, 32), "2026-12-31 23:59:59");
    EXPECT_EQ(b[88], 0);
    EXPECT_EQ(ReportDeskFixture::textAt(b, 89, 16), "admin");
    EXPECT_EQ(ReportDeskFixture::textAt(b, 105, 16), "添加");
    EXPECT_EQ(ReportDeskFixture::i32At(b, 121), 0x100);

    std::array<bool, 9> none{};
    EXPECT_EQ(logCategoryMask(none), 0);
    std::array<bool, 9> all;
    all.fill(true);
    EXPECT_EQ(logCategoryMask(all), 0x1FF);
}

TEST(OperationLogPage, EveryServerPageCollectedAndListedHundredAPage) {
    ReportDeskFixture f;
    f.answer = [](const Bytes& r) -> Bytes {
        if (r[3] == 63) {
            Bytes body(16, 0);
            body[0] = '0';
            body[1] = '1';
            return FakeServer::packet(63, body);
        }
        if (r[3] != 58) return {};
        const int page = ReportDeskFixture::i32At(r, 20);
        std::vector<Bytes> rows;
        for (int i = page * 30; i < 250 && i < (page + 1) * 30; ++i) rows.push_back(entry(i));
        return ReportDeskFixture::listAnswer(58, rows, 9, page);
    };
    f.desk.session().ownGroupId = 7;
    OperationLogPage page;
    registerReportActions(f.desk);
    f.view.state().view = ViewKind::Logs;
    f.view.state().pagers[ViewKind::Logs] = reportPager(f.desk, page);
    page.search(f.desk);
    const auto requests = f.server.requests();
    ASSERT_EQ(requests.size(), 10u);
    EXPECT_EQ(requests[0][3], 63);
    EXPECT_EQ(ReportDeskFixture::i32At(requests[0], 4), 7);
    EXPECT_EQ(ReportDeskFixture::textAt(requests[1], 4, 16), "01");
    EXPECT_EQ(page.entries.size(), 250u);
    EXPECT_EQ(page.rowCount(), 100);
    EXPECT_EQ(page.pageLabel(), "当前第1/3页");
    EXPECT_EQ(f.view.state().labelPage, 1);
    EXPECT_EQ(f.view.state().labelTotal, 3);
    // The main window's pager moves between local pages without a query.
    EXPECT_TRUE(movePage(f.view, PageMove::Last));
    EXPECT_EQ(f.view.state().labelPage, 3);
    EXPECT_EQ(f.server.requests().size(), 10u);
    EXPECT_FALSE(movePage(f.view, PageMove::Next));
    EXPECT_EQ(page.rowCount(), 50);
    EXPECT_EQ(page.cells(49)[2], "账号:249");
    EXPECT_FALSE(page.showPage(f.desk, 3));
}

TEST(OperationLogPage, ASpanThatEndsBeforeItStartsIsRefusedBeforeAnyQuery) {
    ReportDeskFixture f;
    OperationLogPage page;
    page.query.from = {2026, 12, 9, 10, 0, 0};
    page.query.to = {2026, 12, 9, 9, 59, 59};
    page.search(f.desk);
    EXPECT_TRUE(f.server.requests().empty());
    EXPECT_TRUE(f.port.hasMessage("起始时间不能晚于结束时间"));
    // The same second at both ends is a span.
    page.query.to = page.query.from;
    f.answer = [](const Bytes& r) -> Bytes {
        return r[3] == 58 ? ReportDeskFixture::listAnswer(58, {}, 0, 0)
                          : FakeServer::resultPacket(1, "组不存在");
    };
    page.search(f.desk);
    EXPECT_FALSE(f.server.requests().empty());
}

TEST(OperationLogPage, NoResultLeavesAnEmptyListAtOneOfZero) {
    ReportDeskFixture f;
    f.answer = [](const Bytes& r) -> Bytes {
        if (r[3] == 63) return FakeServer::resultPacket(1, "组不存在");
        if (r[3] == 58) return ReportDeskFixture::listAnswer(58, {}, 0, 0);
        return {};
    };
    OperationLogPage page;
    page.scope = "02";
    page.search(f.desk);
    // A refused scope keeps the previous one.
    EXPECT_EQ(ReportDeskFixture::textAt(f.server.requests()[1], 4, 16), "02");
    EXPECT_EQ(page.rowCount(), 0);
    EXPECT_EQ(page.pageLabel(), "没有记录");
}

TEST(LogEntry, DateTimeCutToNineteenCharactersAndShortAnswersReadNothing) {
    const Bytes r = entry(1, "2026-12-08 10:11:12.123456789012");
    const LogEntry e = LogEntry::fromWire(r.data());
    EXPECT_EQ(e.dateTime, "2026-12-08 10:11:12");
    EXPECT_EQ(e.remark, "账号:1");

    ReportDeskFixture f;
    f.answer = [](const Bytes& r) -> Bytes {
        if (r[3] == 58) {
            Bytes body(8 + 700, 0);  // less than one whole entry
            return FakeServer::packet(58, body);
        }
        return {};
    };
    OperationLogPage page;
    page.search(f.desk);
    EXPECT_TRUE(page.entries.empty());
}

}  // namespace
}  // namespace korvant::test
