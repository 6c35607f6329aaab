#include <gtest/gtest.h>

#include "model/ReferenceData.h"
#include "reports/ReportDeskFixture.h"
#include "reports/params/TradingParametersForm.h"

namespace korvant::test {
namespace {

TradingParameters window(int32_t start, int32_t end, int32_t automatic, double rate = 0) {
    TradingParameters p;
    p.settleWindowStart = start;
    p.settleWindowEnd = end;
    p.autoSettleTime = automatic;
    p.protectionFundRate = rate;
    return p;
}

std::string failureOf(const TradingParameters& p) {
    auto m = checkTradingParameters(p);
    return m ? m->text : "";
}

TEST(TradingParameters, ChecksRunInOrderWithTheirMessagesAndIcons) {
    EXPECT_EQ(failureOf(window(1516, 2030, 0)), "");
    EXPECT_EQ(failureOf(window(1600, 1700, 1530)),
              "自动结算时间应在 15:30 至 20:00 之间，且在可结算时段内。  ");
    EXPECT_EQ(failureOf(window(1515, 1700, 0)), "可结算时段应在 15:16 至 20:30 之间。  ");
    EXPECT_EQ(failureOf(window(1700, 1600, 0)), "可结算时段应在 15:16 至 20:30 之间。  ");
    EXPECT_EQ(failureOf(window(1516, 2030, 2001)),
              "自动结算时间应在 15:30 至 20:00 之间，且在可结算时段内。  ");
    // The window check comes first even when the fund rate is wrong too.
    EXPECT_EQ(failureOf(window(1515, 1700, 0, 4.5)), "可结算时段应在 15:16 至 20:30 之间。  ");
    auto rate = checkTradingParameters(window(1516, 2030, 0, 4.5));
    ASSERT_TRUE(rate);
    EXPECT_EQ(rate->text, "保障基金比率通常在千万分之 5 到 10 之间。  ");
    EXPECT_EQ(rate->icon, MessageIcon::Warning);
    EXPECT_EQ(checkTradingParameters(window(1515, 1700, 0))->icon, MessageIcon::Error);
    EXPECT_EQ(failureOf(window(1516, 2030, 1600, 0)), "");
    EXPECT_EQ(failureOf(window(1516, 2030, 0, 10)), "");
    EXPECT_EQ(failureOf(window(1516, 2030, 0, 10.5)),
              "保障基金比率通常在千万分之 5 到 10 之间。  ");
}

TEST(TradingParameters, ModeBytesBothWays) {
    EXPECT_EQ(positionProfitOfByte('x'), 0);
    EXPECT_EQ(positionProfitOfByte('0'), 0);
    EXPECT_EQ(positionProfitOfByte('3'), 3);
    EXPECT_EQ(positionProfitOfByte('5'), 0);
    EXPECT_EQ(closeProfitOfByte('1'), 0);
    EXPECT_EQ(closeProfitOfByte('0'), 1);
    EXPECT_EQ(closeProfitOfByte('2'), 2);
    EXPECT_EQ(positionProfitByte(0), 'x');
    EXPECT_EQ(positionProfitByte(4), '4');
    EXPECT_EQ(closeProfitByte(0), 'x');
    EXPECT_EQ(closeProfitByte(1), '0');
    EXPECT_EQ(closeProfitByte(2), '2');

    TradingParameters p = window(1600, 1900, 1630, 7.5);
    p.positionProfitMode = 2;
    p.closeProfitMode = 1;
    p.overTradingStandard = 480;
    std::vector<uint8_t> buffer(64, 0);
    ASSERT_EQ(writeTradingParametersSave(p, buffer), 30);
    EXPECT_EQ(buffer[3], 101);
    EXPECT_EQ(buffer[4], '2');
    EXPECT_EQ(buffer[5], '0');
    auto back = parseTradingParameters(std::span<const uint8_t>(buffer.data(), 30));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->positionProfitMode, 2);
    EXPECT_EQ(back->closeProfitMode, 1);
    EXPECT_EQ(back->overTradingStandard, 480);
    EXPECT_EQ(back->autoSettleTime, 1630);
    EXPECT_EQ(back->settleWindowEnd, 1900);
    EXPECT_DOUBLE_EQ(back->protectionFundRate, 7.5);
    EXPECT_FALSE(parseTradingParameters(std::span<const uint8_t>(buffer.data(), 29)));
}

// A character whose GBK form has "|" as its second byte.
std::string pipeTrailCharacter() {
    for (char32_t c = 0x4E00; c < 0x9FA5; ++c) {
        std::string utf8;
        utf8 += static_cast<char>(0xE0 | (c >> 12));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
        const std::string gbk = toGbk(utf8);
        if (gbk.size() == 2 && gbk[1] == '|') return utf8;
    }
    return {};
}

TEST(CloseTodayLists, TokensKeepNineBytesWithoutSplittingACharacter) {
    EXPECT_EQ(closeTodayTokens("IF|IC|"), (std::vector<std::string>{"IF", "IC"}));
    EXPECT_EQ(closeTodayTokens(" cu | al|"), (std::vector<std::string>{"cu", "al"}));
    EXPECT_EQ(closeTodayTokens("abcdefghijk|m"), (std::vector<std::string>{"abcdefghi", "m"}));
    EXPECT_TRUE(closeTodayTokens("").empty());
    // "a" + four double-byte characters is 9 bytes; one more would split.
    EXPECT_EQ(closeTodayTokens(toGbk("a品种测试|")), std::vector<std::string>{"a品种测试"});
    EXPECT_EQ(closeTodayTokens(toGbk("ab品种测试|")), std::vector<std::string>{"ab品种测"});
    const std::string c = pipeTrailCharacter();
    ASSERT_FALSE(c.empty());
    EXPECT_EQ(closeTodayTokens(toGbk("x" + c + "y|z|")),
              (std::vector<std::string>{"x" + c + "y", "z"}));
}

TEST(CloseTodayLists, ALongListKeepsWholeCodesOnly) {
    std::vector<std::string> codes;
    for (int i = 0; i < 300; ++i) codes.push_back("c" + std::to_string(1000 + i));  // 5 bytes
    std::vector<std::string> leftOut;
    const std::string text = closeTodayListText(codes, &leftOut);
    EXPECT_LE(text.size(), CloseTodayListBytes);
    EXPECT_EQ(text.size() % 6, 0u);
    EXPECT_EQ(text.back(), '|');
    EXPECT_EQ(text.size() / 6 + leftOut.size(), codes.size());
    EXPECT_EQ(leftOut.front(), codes[text.size() / 6]);
    EXPECT_EQ(closeTodayListText({"a", "b"}, nullptr), "a|b|");
}

ContractVariety variety(const std::string& contract, const std::string& product,
                        const std::string& exchange) {
    return ContractVariety{contract, product, exchange};
}

TEST(TradingParametersForm, VarietiesOfThreeExchangesEachListedOnce) {
    ReferenceData reference;
    reference.varieties.records = {
        variety("m2601", "m", "DCE"),     variety("m2605", "m", "DCE"),
        variety("cu2601", "cu", "SHFE"),  variety("SR601", "SR", "CZCE"),
        variety("IF2601", "IF", "CFFEX"), variety("IF2601", "IF", "CFFEX"),
        variety("a2601", "a", "DCE")};
    TradingParametersForm form;
    form.offerVarieties(reference);
    EXPECT_EQ(form.varieties[0], (std::vector<std::string>{"m", "a"}));
    EXPECT_EQ(form.varieties[1], std::vector<std::string>{"SR"});
    EXPECT_EQ(form.varieties[2], std::vector<std::string>{"IF"});

    form.selectFromList(0, "IF|a|cu|");
    form.selectFromList(1, "");
    EXPECT_EQ(form.selectedCodes(0), (std::vector<std::string>{"a", "IF"}));
    EXPECT_TRUE(form.selectedCodes(1).empty());
}

struct ParametersServer {
    ReportDeskFixture f;
    Bytes lists;
    Bytes parameters;

    ParametersServer() {
        Bytes body(2048, 0);
        const std::string list0 = "m|IF|";
        std::copy(list0.begin(), list0.end(), body.begin());
        for (char ch : std::string("SR|")) body.push_back(static_cast<uint8_t>(ch));
        body.push_back(0);
        lists = FakeServer::packet(84, body);
        Bytes p(30, 0);
        TradingParameters t = window(1516, 2030, 0);
        t.overTradingStandard = 500;
        writeTradingParametersSave(t, p);
        parameters = FakeServer::packet(100, Bytes(p.begin() + 4, p.end()));
        f.answer = [this](const Bytes& r) -> Bytes {
            if (r[3] == 84) return lists;
            if (r[3] == 100) return parameters;
            return {};
        };
        f.desk.reference().varieties.records = {variety("m2601", "m", "DCE"),
                                                variety("SR601", "SR", "CZCE"),
                                                variety("IF2601", "IF", "CFFEX")};
    }
};

TEST(TradingParametersDialog, ConfirmSavesListZeroListOneThenTheParameters) {
    ParametersServer s;
    s.f.port.queueForm<TradingParametersForm>([](TradingParametersForm& form) {
        EXPECT_EQ(form.selectedCodes(0), (std::vector<std::string>{"m", "IF"}));
        EXPECT_EQ(form.selectedCodes(1), std::vector<std::string>{"SR"});
        EXPECT_EQ(form.settleWindowStart, "1516");
        EXPECT_EQ(form.overTradingStandard, "500");
        form.selectCodes(1, {"m", "SR"}, nullptr);
        form.closeProfitMode = 2;
        form.protectionFundRate = "4.5";  // refused: the dialog stays open
        return true;
    });
    s.f.port.queueForm<TradingParametersForm>([](TradingParametersForm& form) {
        form.protectionFundRate = "10";
        return true;
    });
    EXPECT_TRUE(editTradingParameters(s.f.desk));
    EXPECT_EQ(s.f.port.messageTexts(),
              std::vector<std::string>{"保障基金比率通常在千万分之 5 到 10 之间。  "});
    EXPECT_EQ(s.f.commands(), (std::vector<int>{84, 100, 85, 85, 101}));
    const auto requests = s.f.server.requests();
    EXPECT_EQ(ReportDeskFixture::textAt(requests[2], 4, 2048), "m|IF|");
    EXPECT_EQ(ReportDeskFixture::i32At(requests[2], 2052), 0);
    EXPECT_EQ(ReportDeskFixture::textAt(requests[3], 4, 2048), "m|SR|");
    EXPECT_EQ(ReportDeskFixture::i32At(requests[3], 2052), 1);
    EXPECT_EQ(requests[4].size(), 30u);
    EXPECT_EQ(requests[4][5], '2');
    EXPECT_DOUBLE_EQ(ReportDeskFixture::f64At(requests[4], 22), 10);
}

TEST(TradingParametersDialog, CancelSendsNothingAndShortAnswersLeaveFieldsEmpty) {
    ParametersServer s;
    s.lists = FakeServer::packet(84, Bytes(100, 0));
    s.parameters = FakeServer::packet(100, Bytes(20, 0));
    s.f.port.queueForm<TradingParametersForm>([](TradingParametersForm& form) {
        EXPECT_TRUE(form.selectedCodes(0).empty());
        EXPECT_EQ(form.settleWindowStart, "");
        EXPECT_EQ(form.protectionFundRate, "");
        return false;
    });
    EXPECT_FALSE(editTradingParameters(s.f.desk));
    EXPECT_EQ(s.f.commands(), (std::vector<int>{84, 100}));
    EXPECT_EQ(s.f.port.messageTexts(), (std::vector<std::string>{"  错误的数据包, 无法解析 !  ",
                                                                 "  错误的数据包, 无法解析 !  "}));
}

}  // namespace
}  // namespace korvant::test
