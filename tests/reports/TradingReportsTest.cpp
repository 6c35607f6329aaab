// The order, trade and position reports: code tables, rows decoded at their
// offsets (unaligned doubles), answers never read past, and the position
// change run (0xFF / -1, stop at the first refusal, permission, re-query).
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>

#include "app/session/Permissions.h"
#include "local/TableFile.h"
#include "reports/ReportDeskFixture.h"
#include "reports/trading/PositionChange.h"
#include "reports/trading/TradingCodes.h"
#include "reports/trading/TradingExports.h"
#include "reports/trading/TradingPages.h"
#include "support/ScratchFolder.h"

namespace korvant::test {
namespace {

TEST(TradingCodesTest, TextsOfCodes) {
    struct Case {
        const char* (*table)(int32_t);
        int32_t code;
        const char* text;
    };
    const Case cases[] = {
        {orderStatusText, '7', ""},         {orderStatusText, 'e', "废单"},
        {orderStatusText, '5', "部成部撤"}, {orderStatusText, 0, ""},
        {openCloseText, '3', "平今"},       {openCloseText, '1', "平"},
        {directionText, '1', "卖"},         {directionText, '0', "买"},
        {hedgeText, '2', "套利"},           {hedgeText, '9', "保值"},
        {priceTypeText, '1', "市价"},       {priceTypeText, '2', "限价"},
    };
    for (const Case& c : cases) EXPECT_STREQ(c.table(c.code), c.text) << c.code;
}

Bytes orderBytes(int32_t status, int32_t openClose, const std::string& remark1,
                 const std::string& remark2) {
    OrderRow row;
    row.subAccount = 100101;
    row.status = status;
    row.openClose = openClose;
    row.direction = '1';
    row.price = 3456.5;
    row.remarkFirst = remark1;
    row.remarkSecond = remark2;
    Bytes wire(OrderRow::WireSize);
    row.toWire(wire.data());
    return wire;
}

TEST(TradingRowsTest, CellsFromTheWireOffsets) {
    // Trade: the price at 108 and the base fee at 248 are not 8-byte aligned.
    Bytes trade(TradeRow::WireSize, 0);
    const double price = 4123.25, baseFee = 12.5;
    std::memcpy(trade.data() + 108, &price, 8);
    std::memcpy(trade.data() + 248, &baseFee, 8);
    writePlainText(trade.data() + 8, 32, "T0001");
    const std::vector<std::string> t = tradeCells(TradeRow::fromWire(trade.data()));
    EXPECT_EQ(t[3], "T0001");
    EXPECT_EQ(t[10], "4123.250");
    EXPECT_EQ(t[20], "12.50");

    Bytes position(PositionRow::WireSize, 0);
    const double open = 18.125;
    std::memcpy(position.data() + 140, &open, 8);
    position[120] = '1';
    position[121] = '2';
    const std::vector<std::string> p = positionCells(PositionRow::fromWire(position.data()));
    EXPECT_EQ(p[4], "卖");
    EXPECT_EQ(p[5], "套利");
    EXPECT_EQ(p[6], "18.125");

    const Bytes order = orderBytes('7', '3', "甲,", "乙");
    const std::vector<std::string> o = orderCells(OrderRow::fromWire(order.data()));
    EXPECT_EQ(o[6], "卖");
    EXPECT_EQ(o[7], "平今");
    EXPECT_EQ(o[10], "3456.500");
    EXPECT_EQ(o[13], "");
    EXPECT_EQ(o[21], "甲,乙");
}

// The exports write each record from its wire bytes, texts undecoded where
// they are plain: the file must be the one the decoded rows give.
TEST(TradingRowsTest, RecordsWrittenFromTheWireAreTheDecodedRowsWritten) {
    const std::vector<std::string> texts = {"T0001",    "交易所",
                                            "a,b",      "say \"x\"",
                                            "=1+1",     "-5",
                                            "+x",       "@a",
                                            "line\r\n", "\xff\x41",
                                            "\x81",     " pad ",
                                            "",         "12345678901234567890123456789012"};
    const test::ScratchFolder scratch("wire");
    const auto written = [&scratch](const std::string& name, const TableLayout& layout,
                                    const std::function<void(TableSink&)>& write) {
        const std::string path = scratch.file(name);
        {
            const std::unique_ptr<TableFile> file = openTableFile(path, layout);
            write(*file);
            EXPECT_EQ(file->endPage(1 << 30), PageWrite::Written);
            EXPECT_TRUE(file->commit(true));
        }
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    std::vector<Bytes> trades, orders;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& t = texts[i];
        const std::string& u = texts[(i + 3) % texts.size()];
        Bytes trade(TradeRow::WireSize, 0);
        // Raw bytes, so that a field may be filled to its end or hold bytes
        // that are no GBK.
        std::memcpy(trade.data() + 8, t.data(), std::min<std::size_t>(t.size(), 32));
        std::memcpy(trade.data() + 64, u.data(), std::min<std::size_t>(u.size(), 32));
        std::memcpy(trade.data() + 160, t.data(), std::min<std::size_t>(t.size(), 32));
        const double price = 1234.5 + static_cast<double>(i) / 7, fee = -0.005 * i;
        std::memcpy(trade.data() + 108, &price, 8);
        std::memcpy(trade.data() + 192, &fee, 8);
        trades.push_back(trade);
        // The remark's second part empty, ASCII or not.
        orders.push_back(orderBytes('0' + static_cast<int32_t>(i % 8), '0', t,
                                    i % 3 == 0 ? "" : (i % 3 == 1 ? "x" : "乙")));
    }
    EXPECT_EQ(written("a.csv", tradeLayout(),
                      [&](TableSink& s) {
                          for (const Bytes& b : trades) writeTradeRecord(s, b.data());
                      }),
              written("b.csv", tradeLayout(), [&](TableSink& s) {
                  for (const Bytes& b : trades) writeTradeRow(s, TradeRow::fromWire(b.data()));
              }));
    EXPECT_EQ(written("a.csv", orderLayout(),
                      [&](TableSink& s) {
                          for (const Bytes& b : orders) writeOrderRecord(s, b.data());
                      }),
              written("b.csv", orderLayout(), [&](TableSink& s) {
                  for (const Bytes& b : orders) writeOrderRow(s, OrderRow::fromWire(b.data()));
              }));
}

TEST(TradingPagesTest, QueryLayoutAndAnswersNeverReadPast) {
    ReportDeskFixture f;
    OrdersPage& page = ordersPage(f.desk);
    page.day = 20261208;
    page.account = "100101";
    // One whole order and a cut one: only the whole one is listed.
    Bytes cut = orderBytes('1', '0', "", "");
    cut.resize(200);
    f.answer = [&](const Bytes&) {
        return ReportDeskFixture::listAnswer(OrderQueryCommand, {orderBytes('1', '0', "", ""), cut},
                                             3, 0);
    };
    ASSERT_TRUE(page.search(f.desk));
    const Bytes request = f.server.requests().back();
    ASSERT_EQ(request.size(), 48u);
    EXPECT_EQ(request[3], OrderQueryCommand);
    EXPECT_EQ(ReportDeskFixture::i32At(request, 4), 20261208);
    EXPECT_EQ(ReportDeskFixture::textAt(request, 8, 32), "100101");
    EXPECT_EQ(ReportDeskFixture::i32At(request, 40), -1);
    EXPECT_EQ(ReportDeskFixture::i32At(request, 44), 0);
    EXPECT_EQ(page.rowCount(), 1);
    EXPECT_EQ(page.pageLabel(), "当前第1/3页");

    // An answer too short for its header is not a page: the rows stay.
    f.answer = [](const Bytes&) { return FakeServer::packet(OrderQueryCommand, Bytes(4, 0)); };
    EXPECT_FALSE(page.showPage(f.desk, 1));
    EXPECT_EQ(page.rowCount(), 1);
    EXPECT_TRUE(f.port.hasMessage("  错误的数据包, 无法解析 !  "));
}

TEST(TradingExportTest, ThreeOrderPagesStreamedIntoTheFile) {
    ReportDeskFixture f;
    OrdersPage& page = ordersPage(f.desk);
    page.account = "100101";
    page.takeTypedAccount(false);
    f.answer = [](const Bytes& request) {
        const int index = ReportDeskFixture::i32At(request, 48);
        return ReportDeskFixture::listAnswer(
            OrderExportCommand, {orderBytes('7', '3', "甲,", "乙"), orderBytes('1', '0', "", "")},
            3, index);
    };
    const test::ScratchFolder scratch("orders");
    const std::filesystem::path file = scratch.path() / "orders.csv";
    ReportExportForm form;
    form.startDate = 20261201;
    form.endDate = 20261208;
    form.path = file.string();
    const ReportExportResult result = exportOrders(f.desk, page, form);
    EXPECT_TRUE(result.written);
    EXPECT_EQ(result.rows, 6);
    std::vector<int> pages;
    for (const Bytes& r : f.server.requests()) {
        ASSERT_EQ(r.size(), 52u);
        EXPECT_EQ(ReportDeskFixture::i32At(r, 4), 20261201);
        EXPECT_EQ(ReportDeskFixture::i32At(r, 8), 20261208);
        EXPECT_EQ(ReportDeskFixture::textAt(r, 12, 32), "100101");
        EXPECT_EQ(ReportDeskFixture::i32At(r, 44), -1);
        pages.push_back(ReportDeskFixture::i32At(r, 48));
    }
    EXPECT_EQ(pages, (std::vector<int>{0, 1, 2}));
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string text = fromGbk(bytes.str());
    EXPECT_EQ(text.rfind("子账号,交易日,委托号,请求号,交易所,合约,买卖,开平,投保,价格类型,委托价,"
                         "委托量,成交量,状态,实际日期,委托时间,撤单时间,主账号,系统号,网络地址,"
                         "产品信息,备注\r\n",
                         0),
              0u);
    // The status '7' is empty; the remark's comma is quoted.
    EXPECT_NE(text.find("\r\n100101,0,0,0,,,卖,平今,保值,限价,3456.500,0,0,,0,,,,,,,\"甲,乙\"\r\n"),
              std::string::npos);
    // The list shows the export's last page, as one page: the export's
    // page numbers are no pages of the day's report to move to.
    EXPECT_EQ(page.rowCount(), 2);
    EXPECT_EQ(page.pageLabel(), "当前第1/1页");
}

Bytes positionBytes(const std::string& tradeNumber, uint8_t direction, uint8_t hedge) {
    PositionRow row;
    row.exchange = "SHFE";
    row.contract = "cu2601";
    row.tradeNumber = tradeNumber;
    row.direction = direction;
    row.hedge = hedge;
    row.subAccount = 100101;
    row.openDate = 20261201;
    row.tradingDay = 20261208;
    row.volume = 7;
    Bytes wire(PositionRow::WireSize);
    row.toWire(wire.data());
    return wire;
}

struct PositionFixture : ReportDeskFixture {
    PositionsPage& page = positionsPage(desk);
    std::vector<int> refusedAt;  // 1-based numbers of the changes refused
    int changes = 0;

    PositionFixture() {
        page.day = 20261208;
        page.account = "100101";
        answer = [this](const Bytes& request) {
            if (request[3] == PositionChangeCommand) {
                ++changes;
                for (int n : refusedAt)
                    if (n == changes) return FakeServer::resultPacket(1, "持仓不存在");
                return FakeServer::resultPacket(0);
            }
            return listAnswer(PositionQueryCommand,
                              {positionBytes("A1", '0', '1'), positionBytes("A2", '1', '2'),
                               positionBytes("A3", '1', '3')},
                              1, 0);
        };
        EXPECT_TRUE(page.search(desk));
        before = server.requests().size();
    }
    std::size_t before = 0;
    // Requests after the first query.
    std::vector<Bytes> sent() const {
        const std::vector<Bytes> all = server.requests();
        return {all.begin() + static_cast<std::ptrdiff_t>(before), all.end()};
    }
    std::vector<Bytes> changeRequests() const {
        std::vector<Bytes> out;
        for (const Bytes& r : sent())
            if (r[3] == PositionChangeCommand) out.push_back(r);
        return out;
    }
    std::vector<int> sentCommands() const {
        std::vector<int> out;
        for (const Bytes& r : sent()) out.push_back(r[3]);
        return out;
    }
};

TEST(PositionChangeTest, OnlyTheTickedValueChanges) {
    struct Case {
        bool volume, hedge;
        uint8_t newHedge;
        int32_t newVolume;
    };
    for (const Case c :
         {Case{true, false, 0xFF, 3}, Case{false, true, '2', -1}, Case{true, true, '2', 3}}) {
        PositionFixture f;
        PositionChangeForm form;
        form.changeVolume = c.volume;
        form.volume = 3;
        form.changeHedge = c.hedge;
        form.hedgeIndex = 1;
        EXPECT_TRUE(changePositions(f.desk, f.page, {1}, form));
        const std::vector<Bytes> sent = f.changeRequests();
        ASSERT_EQ(sent.size(), 1u);
        const Bytes& r = sent[0];
        ASSERT_EQ(r.size(), 120u);
        EXPECT_EQ(ReportDeskFixture::textAt(r, 48, 24), "A2");
        EXPECT_EQ(r[96], '1');  // "卖"
        EXPECT_EQ(r[97], '2');  // "套利"
        EXPECT_EQ(r[98], c.newHedge);
        EXPECT_EQ(ReportDeskFixture::i32At(r, 112), 7);
        EXPECT_EQ(ReportDeskFixture::i32At(r, 116), c.newVolume);
    }
}

TEST(PositionChangeTest, FirstRefusalStopsTheRunAndTheListIsQueriedAgain) {
    PositionFixture f;
    f.refusedAt = {2};
    PositionChangeForm form;
    form.changeVolume = true;
    form.volume = 1;
    EXPECT_FALSE(changePositions(f.desk, f.page, {2, 0, 1}, form));
    // Two sent in list order (the first accepted, the second refused); the
    // third never; then the position query.
    EXPECT_EQ(f.sentCommands(), (std::vector<int>{PositionChangeCommand, PositionChangeCommand,
                                                  PositionQueryCommand}));
    EXPECT_EQ(ReportDeskFixture::textAt(f.changeRequests()[1], 48, 24), "A2");
    EXPECT_EQ(f.port.lastMessage().text, "持仓不存在");
    EXPECT_EQ(f.port.lastMessage().icon, MessageIcon::Error);
}

TEST(PositionChangeTest, NothingSentWithoutRowsPermissionOrTick) {
    struct Case {
        std::vector<int> rows;
        uint32_t mask;
        bool tick;
        const char* message;
    };
    const Case cases[] = {
        {{}, 0xFFFFF, true, "请先选中要修改的持仓，按住 Ctrl 键可进行多选。"},
        {{0}, 0xFFFFF & ~perm::ModifyPositions, true, "你没有修改持仓记录的权限。"},
        {{0}, 0xFFFFF, false, nullptr},
    };
    for (const Case& c : cases) {
        PositionFixture f;
        f.desk.session().permissionMask = c.mask;
        PositionChangeForm form;
        form.changeVolume = c.tick;
        EXPECT_FALSE(changePositions(f.desk, f.page, c.rows, form));
        EXPECT_TRUE(f.sent().empty());
        if (c.message == nullptr) continue;
        EXPECT_EQ(f.port.lastMessage().text, c.message);
        // The desk's "修改" says the same before any dialog is shown.
        {
            f.port.clearRecords();
            EXPECT_FALSE(modifyPositions(f.desk, f.page, c.rows));
            EXPECT_TRUE(f.port.forms.empty());
        }
    }
}

}  // namespace
}  // namespace korvant::test
