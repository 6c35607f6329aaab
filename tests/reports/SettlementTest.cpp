#include <gtest/gtest.h>

#include "protocol/Packet.h"
#include "reports/ReportDeskFixture.h"
#include "reports/settlement/SettlementOperations.h"

namespace korvant::test {
namespace {

Bytes priceRecord(int32_t date, const std::string& exchange, const std::string& contract,
                  double price) {
    Bytes r(SettlementPrice::WireSize, 0);
    SettlementPrice{date, exchange, contract, price}.toWire(r.data());
    return r;
}

// `count` prices of a date in server pages of `perPage`.
std::function<Bytes(const Bytes&)> pricePages(int count, int perPage, int total = -1) {
    return [=](const Bytes& request) -> Bytes {
        if (request[3] != 53) return {};
        const int32_t date = ReportDeskFixture::i32At(request, 4);
        const int page = ReportDeskFixture::i32At(request, 8);
        std::vector<Bytes> rows;
        for (int i = page * perPage; i < count && i < (page + 1) * perPage; ++i)
            rows.push_back(priceRecord(date, "SHFE", "cu" + std::to_string(2600 + i), 100 + i));
        const int pages = total >= 0 ? total : (count + perPage - 1) / perPage;
        return ReportDeskFixture::listAnswer(53, rows, pages, page);
    };
}

Bytes settlementAnswer(uint8_t command, bool accepted, int32_t date, const std::string& text) {
    Bytes body(5, 0);
    body[0] = accepted ? 1 : 0;
    std::memcpy(body.data() + 1, &date, 4);
    const std::string gbk = toGbk(text);
    body.insert(body.end(), gbk.begin(), gbk.end());
    body.push_back(0);
    return FakeServer::packet(command, body);
}

Bytes statusAnswer(int32_t state, const std::string& text = "") {
    Bytes body(4, 0);
    std::memcpy(body.data(), &state, 4);
    const std::string gbk = toGbk(text);
    body.insert(body.end(), gbk.begin(), gbk.end());
    body.push_back(0);
    return FakeServer::packet(52, body);
}

TEST(SettlementPrices, BeforeAnyStartTheDialogIsEmptyAndNothingIsSent) {
    ReportDeskFixture f;
    bool shown = false;
    f.port.queueForm<SettlementPricesForm>([&](SettlementPricesForm& form) {
        shown = true;
        EXPECT_EQ(form.page->rowCount(), 0);
        EXPECT_EQ(form.page->pageLabel(), "");
        EXPECT_FALSE(form.page->next(f.desk));
        return true;
    });
    EXPECT_TRUE(showSettlementPrices(f.desk));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(f.server.requests().empty());
}

TEST(SettlementPrices, PageCountZeroOrOneEndsTheLoadingAfterTheFirstAnswer) {
    for (int total : {0, 1}) {
        ReportDeskFixture f;
        f.answer = pricePages(3, 100, total);
        SettlementPricePage page;
        page.date = 20261208;
        page.load(f.desk);
        EXPECT_EQ(f.commands(), std::vector<int>{53}) << total;
        EXPECT_EQ(page.prices.size(), 3u);
        EXPECT_EQ(page.pageLabel(), "第1/" + std::to_string(total) + "页");
    }
}

TEST(SettlementPrices, TwoHundredFiftyRowsShowAsPagesOfHundredHundredFifty) {
    ReportDeskFixture f;
    f.answer = pricePages(250, 100);
    SettlementPricePage page;
    page.date = 20261208;
    page.load(f.desk);
    ASSERT_EQ(f.server.requests().size(), 3u);
    EXPECT_EQ(ReportDeskFixture::i32At(f.server.requests()[2], 8), 2);
    EXPECT_EQ(page.rowCount(), 100);
    EXPECT_EQ(page.cells(0), (std::vector<std::string>{"20261208", "SHFE", "cu2600", "100.000"}));
    EXPECT_TRUE(page.next(f.desk));
    EXPECT_EQ(page.rowCount(), 100);
    EXPECT_TRUE(page.next(f.desk));
    EXPECT_EQ(page.rowCount(), 50);
    EXPECT_EQ(page.pageLabel(), "第3/3页");
    EXPECT_FALSE(page.next(f.desk));
    EXPECT_EQ(page.page(), 2);
    EXPECT_EQ(page.cells(49)[2], "cu2849");
    EXPECT_TRUE(page.previous(f.desk));
    EXPECT_EQ(page.page(), 1);
}

TEST(SettlementPrices, EditSendsTheCellsPriceAndKeepsTheArrayInStep) {
    ReportDeskFixture f;
    f.answer = pricePages(150, 100);
    SettlementPricePage page;
    page.date = 20261208;
    page.load(f.desk);
    ASSERT_TRUE(page.next(f.desk));
    f.answer = [inner = pricePages(150, 100)](const Bytes& r) {
        return r[3] == 54 ? FakeServer::packet(54) : inner(r);
    };

    // Three decimals as the cell shows them; row 5 of page 1 is element 105.
    ASSERT_TRUE(page.setPrice(f.desk, 5, "1234.5678"));
    const Bytes sent = f.server.requests().back();
    ASSERT_EQ(sent.size(), 64u);
    EXPECT_EQ(ReportDeskFixture::i32At(sent, 4), 20261208);
    EXPECT_EQ(ReportDeskFixture::textAt(sent, 8, 16), "SHFE");
    EXPECT_EQ(ReportDeskFixture::textAt(sent, 24, 32), "cu2705");
    EXPECT_DOUBLE_EQ(ReportDeskFixture::f64At(sent, 56), 1234.568);
    EXPECT_DOUBLE_EQ(page.prices[105].price, 1234.568);
    EXPECT_EQ(page.cells(5)[3], "1234.568");

    // "0" and an empty cell send 0 and leave the cell empty.
    for (const char* typed : {"0", ""}) {
        ASSERT_TRUE(page.setPrice(f.desk, 6, typed));
        EXPECT_DOUBLE_EQ(ReportDeskFixture::f64At(f.server.requests().back(), 56), 0) << typed;
        EXPECT_EQ(page.cells(6)[3], "") << typed;
    }
    EXPECT_TRUE(f.port.messages.empty());

    // What is not a price is refused with a message and sends nothing.
    const std::size_t sentBefore = f.server.requests().size();
    for (const char* typed : {"abc", "12a", "-5", "1,5", " 7"}) {
        EXPECT_FALSE(page.setPrice(f.desk, 5, typed)) << typed;
        EXPECT_EQ(page.cells(5)[3], "1234.568") << typed;
    }
    EXPECT_EQ(f.server.requests().size(), sentBefore);
    EXPECT_EQ(f.port.messages.size(), 5u);
    EXPECT_TRUE(f.port.hasMessage("结算价：请填写数字（最多 9 位小数）"));
}

TEST(SettlementPrices, ARefusedUpdateKeepsTheOldPriceAndShowsTheServersText) {
    ReportDeskFixture f;
    f.answer = pricePages(2, 100);
    SettlementPricePage page;
    page.date = 20261208;
    page.load(f.desk);
    f.answer = [](const Bytes& r) {
        return r[3] == 54 ? FakeServer::resultPacket(1, "合约不存在") : Bytes{};
    };
    EXPECT_FALSE(page.setPrice(f.desk, 1, "99"));
    EXPECT_DOUBLE_EQ(page.prices[1].price, 101);
    EXPECT_EQ(page.cells(1)[3], "101.000");
    EXPECT_TRUE(f.port.hasMessage("合约不存在"));
}

TEST(Settlement, EveryCommandNeedsTheSettlementPermission) {
    ReportDeskFixture f;
    f.desk.session().permissionMask = 0xFFFFF & ~0x800u;
    EXPECT_FALSE(startSettlement(f.desk));
    EXPECT_FALSE(showSettlementPrices(f.desk));
    f.port.answerYes();
    EXPECT_FALSE(clearSettlement(f.desk));
    EXPECT_EQ(f.port.messageTexts(),
              (std::vector<std::string>{"  没有结算权限", "  没有结算权限", "  没有结算权限"}));
    // The clearing asks its question before the check.
    ASSERT_EQ(f.port.questions.size(), 1u);
    EXPECT_EQ(f.port.questions[0].message.text, "是否清除今日的结算数据？  ");
    EXPECT_TRUE(f.server.requests().empty());
}

TEST(Settlement, ClearingAfterNoSendsNothing) {
    ReportDeskFixture f;
    f.port.answerNo();
    EXPECT_FALSE(clearSettlement(f.desk));
    EXPECT_TRUE(f.server.requests().empty());

    f.answer = [](const Bytes& r) {
        return r[3] == 105 ? settlementAnswer(105, true, 0, "") : Bytes{};
    };
    f.port.answerYes();
    EXPECT_TRUE(clearSettlement(f.desk));
    EXPECT_EQ(f.commands(), std::vector<int>{105});
    EXPECT_EQ(f.port.lastMessage().text, "结算结果已清除。稍后请手动重新结算。  ");
}

TEST(Settlement, ARefusedStartStillStoresTheDateAndShowsTheServersText) {
    ReportDeskFixture f;
    f.answer = [](const Bytes& r) {
        return r[3] == 51 ? settlementAnswer(51, false, 20261207, "结算正在进行中") : Bytes{};
    };
    EXPECT_FALSE(startSettlement(f.desk));
    EXPECT_EQ(f.desk.session().settlementDate, 20261207);
    EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{"结算正在进行中"});
    EXPECT_TRUE(f.port.forms.empty());
}

TEST(Settlement, TheStatusDialogPollsUntilFinishedOrFailed) {
    ReportDeskFixture f;
    std::vector<Bytes> states = {statusAnswer(7), statusAnswer(1), statusAnswer(2)};
    std::size_t next = 0;
    f.answer = [&](const Bytes& r) -> Bytes {
        if (r[3] == 51) return settlementAnswer(51, true, 20261208, "");
        if (r[3] == 52 && next < states.size()) return states[next++];
        return {};
    };
    std::vector<std::string> texts;
    f.port.queueForm<SettlementStatusForm>([&](SettlementStatusForm& form) {
        texts.push_back(form.watch->text());
        EXPECT_FALSE(form.watch->tick());  // an unlisted state changes nothing
        EXPECT_TRUE(form.watch->tick());
        texts.push_back(form.watch->text());
        EXPECT_TRUE(form.watch->tick());
        texts.push_back(form.watch->text());
        EXPECT_FALSE(form.watch->polling());
        EXPECT_FALSE(form.watch->tick());  // finished: nothing more is sent
        return true;
    });
    EXPECT_TRUE(startSettlement(f.desk));
    EXPECT_EQ(f.desk.session().settlementDate, 20261208);
    EXPECT_EQ(texts, (std::vector<std::string>{"正在结算...", "正在结算!", "结算完成!"}));
    EXPECT_EQ(f.commands(), (std::vector<int>{51, 52, 52, 52}));

    SettlementWatch failing(f.desk);
    f.answer = [](const Bytes& r) { return r[3] == 52 ? statusAnswer(3, "没有结算价") : Bytes{}; };
    EXPECT_TRUE(failing.tick());
    EXPECT_EQ(failing.text(), "没有结算价");
    EXPECT_EQ(failing.phase(), SettlementWatch::Phase::Failed);
}

TEST(Settlement, PollingGivesUpAfterUnlistedStatesInARowAndClosingStopsIt) {
    ReportDeskFixture f;
    f.answer = [](const Bytes& r) { return r[3] == 52 ? statusAnswer(9) : Bytes{}; };
    SettlementWatch watch(f.desk);
    int ticks = 0;
    while (watch.polling() && ticks < 100) {
        watch.tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, SettlementWatch::MaxUnlistedInARow);
    EXPECT_EQ(watch.phase(), SettlementWatch::Phase::GaveUp);
    EXPECT_EQ(f.port.messages.size(), 1u);
    EXPECT_EQ(watch.text(), "正在结算...");

    SettlementWatch closed(f.desk);
    closed.stop();
    EXPECT_FALSE(closed.tick());
    EXPECT_EQ(f.server.requests().size(), static_cast<std::size_t>(ticks));
}

// A send that fails (the connection broken by unasked data, for one) is
// said once and ends the polling: asking again would only say it again.
TEST(Settlement, AFailedSendEndsThePollingWithItsOneMessage) {
    ReportDeskFixture f;
    f.answer = [](const Bytes& r) { return r[3] == 52 ? statusAnswer(1) : Bytes{}; };
    SettlementWatch watch(f.desk);
    EXPECT_TRUE(watch.tick());
    f.desk.connection().setConnected(false);
    for (int i = 0; i < 5 && watch.polling(); ++i) watch.tick();
    EXPECT_EQ(watch.phase(), SettlementWatch::Phase::GaveUp);
    EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{"   发送数据出错! "});
}

TEST(Settlement, AShortOrForeignAnswerIsNeverReadAsAStart) {
    ReportDeskFixture f;
    f.answer = [](const Bytes& r) { return r[3] == 51 ? FakeServer::packet(51, {1, 2}) : Bytes{}; };
    EXPECT_FALSE(startSettlement(f.desk));
    EXPECT_EQ(f.desk.session().settlementDate, 0);
    EXPECT_TRUE(f.port.hasMessage("  错误的数据包, 无法解析 !  "));
}

// The status answer as a compressed packet.
Bytes compressedStatusAnswer(int32_t state, const std::string& text = "") {
    Bytes plain = statusAnswer(state, text);
    Bytes wire(plain.size() + 64, 0);
    const int size = writeCompressedRequest(plain.data(), static_cast<int>(plain.size()),
                                            wire.data(), static_cast<int>(wire.size()));
    wire.resize(static_cast<std::size_t>(size));
    EXPECT_EQ(wire[2], FlagCompressed);
    return wire;
}

TEST(Settlement, TheStatusIsReadFromTheDecodedAnswer) {
    ReportDeskFixture f;
    // A compressed status answer is inflated before its state is read.
    f.answer = [](const Bytes& r) {
        return r[3] == 52 ? compressedStatusAnswer(3, "缺少结算价") : Bytes{};
    };
    SettlementWatch compressed(f.desk);
    EXPECT_TRUE(compressed.tick());
    EXPECT_EQ(compressed.text(), "缺少结算价");
    EXPECT_EQ(compressed.phase(), SettlementWatch::Phase::Failed);
    EXPECT_TRUE(f.port.messages.empty());

    // A compressed body that does not inflate: the query's message, and the
    // state stays as it was (an unlisted answer).
    f.answer = [](const Bytes& r) {
        Bytes corrupt = compressedStatusAnswer(2);
        for (std::size_t i = 6; i < corrupt.size(); ++i) corrupt[i] ^= 0x5A;
        return r[3] == 52 ? corrupt : Bytes{};
    };
    SettlementWatch corrupt(f.desk);
    EXPECT_FALSE(corrupt.tick());
    EXPECT_TRUE(corrupt.polling());
    EXPECT_EQ(corrupt.text(), "正在结算...");
    EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{"  错误的数据包, 无法解析 !  "});

    // An answer of another command whose bytes would read as "finished",
    // and a refusal, are not a status: the one is a bad packet, the other
    // shows the refusal's text.
    f.port.messages.clear();
    Bytes foreign = statusAnswer(2);
    foreign[3] = 51;
    std::vector<Bytes> answers = {foreign, FakeServer::resultPacket(1, "无权查询")};
    std::size_t next = 0;
    f.answer = [&](const Bytes& r) {
        return r[3] == 52 && next < answers.size() ? answers[next++] : Bytes{};
    };
    SettlementWatch foreignWatch(f.desk);
    EXPECT_FALSE(foreignWatch.tick());
    EXPECT_FALSE(foreignWatch.tick());
    EXPECT_TRUE(foreignWatch.polling());
    EXPECT_EQ(foreignWatch.text(), "正在结算...");
    EXPECT_EQ(f.port.messageTexts(),
              (std::vector<std::string>{"  错误的数据包, 无法解析 !  ", "无权查询"}));
}

}  // namespace
}  // namespace korvant::test
