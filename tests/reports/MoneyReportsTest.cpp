// The account-funds and net-value pages: their cells and CSV lines, the
// query step (typed account, tree choice, paging), the main-account reload
// of the net values, and the funds export.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ReportDeskFixture.h"
#include "app/actions/ActionDispatcher.h"
#include "model/MainAccount.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "reports/money/FundsHistory.h"
#include "reports/money/FundsPage.h"
#include "reports/money/MoneyCsv.h"
#include "reports/money/NetValuePage.h"
#include "support/ScratchFolder.h"
#include "view/DeskView.h"
#include "view/ViewPaging.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::ReportDeskFixture;

FundsRow fundsRow(const std::string& account) {
    FundsRow r;
    r.account = account;
    r.tradingDay = 20240105;
    r.equity = 1000;
    r.previousEquity = 990.126;
    r.totalFees = 12.5;
    r.baseFees = 10;
    r.deposits = 50;
    r.riskDegree = "12.5%";
    return r;
}

template <class Row>
Bytes wire(const Row& row) {
    Bytes bytes(Row::WireSize);
    row.toWire(bytes.data());
    return bytes;
}

TEST(MoneyRows, CellsAndCsvLines) {
    const FundsRow funds = fundsRow("8001");
    const std::vector<std::string> cells = fundsCells(FundsRow::fromWire(wire(funds).data()));
    ASSERT_EQ(cells.size(), 16u);
    EXPECT_EQ(cells[1], "20240105");
    EXPECT_EQ(cells[3], "990.13");
    EXPECT_EQ(cells[6], "10.00");
    EXPECT_EQ(cells[7], "2.50");  // "附加手续费" = 12.5 - 10
    EXPECT_EQ(cells[8], "12.50");
    EXPECT_EQ(cells[15], "12.5%");

    std::string line;
    appendFundsCsvLine(line, funds, 20240101, 20240131);
    EXPECT_EQ(line,
              "8001,20240101,20240131,990.13,1000.00,0.00,0.00,10.00,2.50,12.50,0.00,0.00,0.00,"
              "0.00,50.00,0.00,12.5%\r\n");
    // A text with a comma keeps its column.
    line.clear();
    appendFundsCsvLine(line, fundsRow("80,01"), 1, 2);
    EXPECT_EQ(line.rfind("\"80,01\",1,2,", 0), 0u);

    NetValueRow net;
    net.mainAccount = "M1";
    net.tradingDay = 20240105;
    net.netAssetValue = 3;
    net.initialInvestment = 2;
    net.accruedFirst = 1.25;
    net.accruedSecond = 2;
    const NetValueRow decoded = NetValueRow::fromWire(wire(net).data());
    EXPECT_EQ(netValueCells(decoded)[4], "1.5000");
    EXPECT_EQ(netValueCells(decoded)[8], "3.25");  // "应提费用"
    line.clear();
    appendNetValueCsvLine(line, decoded);
    EXPECT_EQ(line, "M1,20240105,0.00,3.00,1.5000,2.00,0.00,0.00,3.25\r\n");
    // No initial investment above 0: an empty cell, 0.0000 in the file.
    net.initialInvestment = 0;
    EXPECT_EQ(netValueCells(net)[4], "");
    line.clear();
    appendNetValueCsvLine(line, net);
    EXPECT_EQ(line, "M1,20240105,0.00,3.00,0.0000,0.00,0.00,0.00,3.25\r\n");
}

struct MoneyFixture : ::testing::Test {
    ReportDeskFixture f;
    FundsPage& funds = fundsPage(f.desk);
    NetValuePage& net = netValuePage(f.desk);
    std::vector<std::string> located;

    void SetUp() override {
        f.view.state().view = ViewKind::Reports;
        funds.day = 20240105;
        net.startDate = 20240101;
        net.endDate = 20240131;
        funds.selectReportNode = [this](const std::string& text) { located.push_back(text); };
    }
    // Funds pages of one row each, `total` pages; main accounts `names`.
    void serve(int total, std::vector<std::string> names = {}) {
        f.answer = [total, names](const Bytes& request) -> Bytes {
            const uint8_t command = request[3];
            if (command == cmd::FundsReport)
                return ReportDeskFixture::listAnswer(command, {wire(fundsRow("8001"))}, total,
                                                     getI32(request.data() + 52));
            if (command == cmd::NetValueReport)
                return ReportDeskFixture::listAnswer(command, {wire(NetValueRow{})}, 1, 0);
            if (command == cmd::MainAccountList) {
                std::vector<Bytes> rows;
                for (const std::string& name : names) {
                    MainAccount account;
                    account.account = name;
                    rows.push_back(wire(account));
                }
                return ReportDeskFixture::listAnswer(command, rows, 1, 0);
            }
            return {};
        };
    }
    Bytes last() const { return f.server.requests().back(); }
};

TEST_F(MoneyFixture, ATypedAccountIsSentAsMinusOneAndATreeChoiceForgetsIt) {
    serve(3);
    showReportTab(f.desk, funds, true);
    funds.account = "100105";
    funds.sortKey = 7;
    funds.order = FundsDescending;
    funds.target = {55, "上海", true};
    ASSERT_TRUE(funds.search(f.desk));
    EXPECT_EQ(located, std::vector<std::string>{"100105"});
    Bytes request = last();
    EXPECT_EQ(request.size(), 60u);
    EXPECT_EQ(getI32(request.data() + 4), 20240105);
    EXPECT_EQ(getI32(request.data() + 8), 7);
    EXPECT_EQ(getI32(request.data() + 12), FundsDescending);
    EXPECT_EQ(ReportDeskFixture::textAt(request, 16, 32), "100105");
    EXPECT_EQ(getI32(request.data() + 48), -1);
    EXPECT_EQ(getI32(request.data() + 52), 0);
    EXPECT_EQ(funds.cells(0)[7], "2.50");

    // The pager asks for page 1 without the typed-account step.
    ASSERT_TRUE(movePage(f.view, PageMove::Next));
    EXPECT_EQ(getI32(last().data() + 52), 1);
    EXPECT_EQ(located.size(), 1u);

    // A node chosen in the tree: every page forgets its typed account, the
    // shown one queries the node's page 0.
    net.account = "M9";
    f.desk.dispatcher().send(ActionCode::ReportAccountChosen, ReportNodeArgument{56, "北京"});
    EXPECT_TRUE(funds.account.empty());
    EXPECT_TRUE(net.account.empty());
    EXPECT_EQ(net.target.id, 56);
    request = last();
    EXPECT_EQ(request[3], cmd::FundsReport);
    EXPECT_EQ(getI32(request.data() + 48), 56);
    EXPECT_EQ(ReportDeskFixture::textAt(request, 16, 32), "北京");
    EXPECT_EQ(getI32(request.data() + 52), 0);
}

TEST_F(MoneyFixture, NoPagesShowOneOfZeroAndGoNowhere) {
    serve(0);
    showReportTab(f.desk, funds, true);
    funds.target = {55, "上海", true};
    ASSERT_TRUE(funds.search(f.desk));
    EXPECT_EQ(f.view.state().labelPage, 1);
    EXPECT_EQ(f.view.state().labelTotal, 0);
    const std::size_t sent = f.server.requests().size();
    EXPECT_FALSE(movePage(f.view, PageMove::Next));
    EXPECT_EQ(f.server.requests().size(), sent);
}

TEST_F(MoneyFixture, TheNetValuesFollowTheGroupsMainAccounts) {
    showReportTab(f.desk, net, true);
    // An empty main-account list: only the list was asked for, the rows stay.
    serve(1);
    net.rows.records.resize(2);
    f.desk.dispatcher().send(ActionCode::ReportAccountChosen, ReportNodeArgument{56, "北京"});
    EXPECT_EQ(f.commands(), std::vector<int>{cmd::MainAccountList});
    EXPECT_EQ(getI32(last().data() + 4), 56);
    EXPECT_EQ(net.rowCount(), 2);

    // The first main account is picked and queried (id -1, not located).
    serve(1, {"M1", "M2"});
    f.desk.dispatcher().send(ActionCode::ReportAccountChosen, ReportNodeArgument{57, "广州"});
    EXPECT_EQ(net.mainAccounts, (std::vector<std::string>{"M1", "M2"}));
    const Bytes request = last();
    ASSERT_EQ(request[3], cmd::NetValueReport);
    EXPECT_EQ(request.size(), 36u);
    EXPECT_EQ(getI32(request.data() + 4), 20240101);
    EXPECT_EQ(getI32(request.data() + 8), 20240131);
    EXPECT_EQ(ReportDeskFixture::textAt(request, 12, 16), "M1");
    EXPECT_EQ(getI32(request.data() + 28), -1);
    EXPECT_EQ(net.rowCount(), 1);

    // A sub-account node (-1) reloads nothing; a range backwards sends nothing.
    const std::size_t sent = f.server.requests().size();
    f.desk.dispatcher().send(ActionCode::ReportAccountChosen, ReportNodeArgument{-1, "100105"});
    net.startDate = 20240201;
    net.account = "M2";
    EXPECT_FALSE(net.search(f.desk));
    EXPECT_EQ(f.port.lastMessage().text, "起始时间不能晚于结束时间");
    EXPECT_EQ(f.server.requests().size(), sent);
}

TEST_F(MoneyFixture, AFundsExportKeepsItsNumberAndShowsItsLastPage) {
    const test::ScratchFolder scratch("funds");
    const fs::path path = scratch.path() / "funds.csv";
    // Two pages: the second says -1 (no more).
    f.answer = [](const Bytes& request) -> Bytes {
        const int page = getI32(request.data() + 60);
        return ReportDeskFixture::listAnswer(cmd::FundsExport,
                                             {wire(fundsRow("800" + std::to_string(page)))},
                                             page == 0 ? 0 : -1, page + 1);
    };
    funds.target = {55, "上海", true};
    ReportExportForm form;
    form.startDate = 20240101;
    form.endDate = 20240131;
    form.path = path.string();
    const ReportExportResult result = exportFundsTo(f.desk, funds, form);
    ASSERT_TRUE(result.written);
    const std::vector<Bytes> requests = f.server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].size(), 68u);
    EXPECT_EQ(getI32(requests[0].data() + 4), getI32(requests[1].data() + 4));
    EXPECT_EQ(getI32(requests[1].data() + 60), 1);
    EXPECT_EQ(ReportDeskFixture::textAt(requests[0], 24, 32), "上海");
    EXPECT_EQ(getI32(requests[0].data() + 56), 55);
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(fromGbk(text.str()).rfind(std::string(fundsCsvHeader()) + "8000,20240101,", 0), 0u);
    EXPECT_EQ(result.rows, 2);
    ASSERT_EQ(funds.rowCount(), 1);
    EXPECT_EQ(funds.cells(0)[0], "8001");
}

TEST_F(MoneyFixture, TheFundsHistoryAsksDayByDayAndKeepsTheAccountsRows) {
    f.answer = [](const Bytes& request) -> Bytes {
        FundsRow mine = fundsRow("8001"), other = fundsRow("9");
        mine.tradingDay = other.tradingDay = getI32(request.data() + 4);
        return ReportDeskFixture::listAnswer(cmd::FundsReport, {wire(other), wire(mine)}, 1, 0);
    };
    FundsHistory history{"8001", 20240130, 20240202, {}, false};
    ASSERT_TRUE(readFundsHistory(f.desk, history));
    EXPECT_TRUE(history.complete);
    std::vector<int32_t> days;
    for (const FundsRow& row : history.rows) days.push_back(row.tradingDay);
    EXPECT_EQ(days, (std::vector<int32_t>{20240130, 20240131, 20240201, 20240202}));
    const Bytes first = f.server.requests().front();
    EXPECT_EQ(ReportDeskFixture::textAt(first, 16, 32), "8001");
    EXPECT_EQ(getI32(first.data() + 48), -1);

    // Refused before anything is sent.
    const struct {
        FundsHistory history;
        const char* message;
    } refused[] = {
        {{"", 20240101, 20240102, {}, false}, "请输入客户号"},
        {{"8001", 20240102, 20240101, {}, false}, "起始时间不能晚于结束时间"},
        {{"8001", 20230101, 20240102, {}, false}, "日期范围不能超过 366 天"},
        {{"8001", 20240230, 20240301, {}, false},
         "起始日期：20240230 不是有效的日期（应为 YYYYMMDD，如 20261201）"},
    };
    const std::size_t sent = f.server.requests().size();
    for (auto c : refused) {
        EXPECT_FALSE(readFundsHistory(f.desk, c.history));
        EXPECT_EQ(f.port.lastMessage().text, c.message);
    }
    EXPECT_EQ(f.server.requests().size(), sent);
}

}  // namespace
}  // namespace korvant
