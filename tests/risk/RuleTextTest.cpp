#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <set>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "risk/RiskCategory.h"
#include "risk/RiskRequests.h"
#include "risk/RuleCatalogue.h"
#include "risk/RuleSummary.h"

namespace korvant {
namespace {

RiskRule rule(int32_t kind, std::string scope, int32_t p1 = 0, int32_t start = 0, int32_t end = 0) {
    RiskRule r;
    r.kind = kind;
    r.category = 7;
    r.scope = std::move(scope);
    r.parameters[0] = p1;
    r.windowStart = start;
    r.windowEnd = end;
    return r;
}

TEST(RuleSummary, AssemblesTemplatesScopesWindowsAndPieces) {
    struct Case {
        const char* templ;
        RiskRule rule;
        const char* typed1;  // null: the kinds list's substitution
        int32_t forbidOpen, forbidClose, minutes, percent;
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"Contract风险度大于参数1%", rule(14, "cu|al", 80, 90000, 113000), "80", 1, 0, 5, 0, "",
         "[09:00-11:30]cu等品种风险度大于80%,禁止开仓,每5分钟发送风险通知"},
        {"Exchange持仓超过参数1手", rule(4, "@SHFE", 10), "10", 0, 1, 0, 0, "",
         "上期所持仓超过10手,禁止平仓"},
        {"Exchange持仓超过参数1手", rule(4, "@SHFE|@DCE", 10), "10", 0, 0, 0, 0, "",
         "上期 等交易所持仓超过10手"},
        {"Exchange持仓超过参数1手", rule(4, "", 10), "10", 0, 0, 0, 0, "",
         "全部交易所持仓超过10手"},
        {"Contract持仓超过参数1手", rule(12, "", 10), "10", 0, 0, 0, 0, "", "全部品种持仓超过10手"},
        {"Contract持仓超过参数1手", rule(12, "rb", 8, 0, 150000), "08", 0, 0, 0, 0, "",
         "[00:00-15:00]rb持仓超过08手"},
        {"Contract持仓超过参数1手", rule(12, "rb", 0), nullptr, 0, 0, 0, 0, "",
         "rb持仓超过参数1手"},
        {"风险度达到参数1%", rule(26, "", 90), "90", 0, 0, 0, 50, "",
         "风险度达到90%,强平所有持仓数量的50%"},
        {"Contract跌停价买入超过参数1手", rule(29, "cu", 0), nullptr, 0, 0, 0, 0, "",
         "cu 跌停时买"},
        {"Contract涨停价卖出超过参数1手", rule(30, "", 0), "", 0, 0, 0, 0, "", "全部品种 涨停时卖"},
        {"Contract风险度大于参数1%", rule(14, "cu", 80, 90000, 113000), "80", 1, 1, 5, 0,
         "我的规则", "我的规则"},
    };
    for (const Case& c : cases) {
        RiskRule r = c.rule;
        r.forbidOpen = c.forbidOpen;
        r.forbidClose = c.forbidClose;
        r.notifyMinutes = c.minutes;
        r.forceClosePercent = c.percent;
        std::array<std::string, 6> typed;
        if (c.typed1 != nullptr) typed[0] = c.typed1;
        EXPECT_EQ(ruleSummary(c.templ, r, c.typed1 != nullptr ? &typed : nullptr, c.name),
                  c.expected)
            << c.templ;
    }
}

TEST(RuleSummary, ProductRulesAndLimitsCutOnWholeCharacters) {
    RiskRule r = rule(8, "cu|al", 0, 90000, 113000);
    r.forbidOpen = 1;
    EXPECT_EQ(productRuleSummary(r), "[09:00-11:30]cu;al,禁止开仓");
    std::string many;
    for (int i = 0; i < 100; ++i) many += (many.empty() ? "" : "|") + std::string("ab");
    r.scope = many;
    const std::string cut = productRuleSummary(r);
    EXPECT_LE(gbkLength(cut), ProductSummaryBytes + std::strlen(",禁止开仓"));
    EXPECT_NE(cut.find("ab,禁止开仓"), std::string::npos);
    // Codes of four characters do not fill 237 bytes evenly: the list stops
    // before the product that would not fit, never inside its code.
    many.clear();
    for (int i = 0; i < 100; ++i)
        many += (many.empty() ? "" : "|") + std::string("p") + std::to_string(100 + i);
    r.scope = many;
    const std::string whole = productRuleSummary(r);
    EXPECT_NE(whole.find(";p143,禁止开仓"), std::string::npos) << whole;
    // A name of 200 two-byte characters keeps 127 of them.
    std::string name;
    for (int i = 0; i < 200; ++i) name += "规";
    EXPECT_EQ(gbkLength(productRuleSummary(r, name)), 254u);
    EXPECT_EQ(gbkLength(ruleSummary("x", r, nullptr, name)), 254u);
}

TEST(RuleSummary, NoteShowsTheDescriptionOnlyForNamedRules) {
    const RuleCatalogue catalogue =
        RuleCatalogue::parse("[riskdetail]\n1=7|14|Contract风险度大于参数1%\n");
    RiskRule r = rule(14, "cu", 80);
    r.summary = "cu风险度大于80%";
    EXPECT_EQ(ruleNote(r, catalogue), "");
    r.summary = "高风险提醒";
    EXPECT_EQ(ruleNote(r, catalogue), "cu风险度大于80%");
    r.kind = 99;  // not in the catalogue
    EXPECT_EQ(ruleNote(r, catalogue), "");
}

TEST(RuleCatalogue, ReadsKeysInOrderUntilTheFirstEmptyValue) {
    const RuleCatalogue c = RuleCatalogue::parse(
        "[riskdetail]\n1= 7 |14|Contract风险度大于参数1%|备注\n2=0123456789012345678|  31  |x\n"
        "3=\n4=8|16|hidden\n");
    ASSERT_EQ(c.kinds().size(), 2u);
    EXPECT_EQ(c.kinds()[0].category, 7);
    EXPECT_EQ(c.kinds()[0].kind, 14);
    EXPECT_EQ(c.kinds()[0].templateText, "Contract风险度大于参数1%|备注");
    // Only the first 15 bytes of a number count.
    EXPECT_EQ(c.kinds()[1].category, INT32_MAX);
    EXPECT_EQ(c.kinds()[1].kind, 31);
    EXPECT_EQ(c.offeredFor(15).size(), 1u);
    EXPECT_TRUE(RuleCatalogue::parse("").empty());
}

TEST(RuleCatalogue, ValueLongerThan255BytesIsCutOnAWholeCharacter) {
    std::string value = "1|1|a";  // 5 bytes, then two-byte characters up to 256
    for (int i = 0; i < 130; ++i) value += "规";
    const RuleKind k = parseCatalogueValue(value);
    EXPECT_EQ(gbkLength(k.templateText), 251u);  // "1|1|" + "a" + 125 characters = 255
    EXPECT_TRUE(isValidUtf8(k.templateText));
}

TEST(RuleCatalogue, ShippedCatalogueOffersKindsForEveryCategory) {
    const RuleCatalogue c = RuleCatalogue::read(std::string(KORVANT_BIN_DIR) + "/riskdetail.ini");
    ASSERT_FALSE(c.empty());
    std::set<int32_t> kinds;
    for (const RuleKind& k : c.kinds()) {
        EXPECT_TRUE(kinds.insert(k.kind).second) << "kind " << k.kind << " twice";
        EXPECT_LE(gbkLength(k.templateText), 250u) << k.kind;
    }
    for (int32_t category = 1; category <= 15; ++category)
        EXPECT_GE(c.offeredFor(category).size(), category == 2 ? 1u : 2u) << category;
    ASSERT_NE(c.find(8), nullptr);
    EXPECT_EQ(c.find(8)->category, 2);
    ASSERT_NE(c.find(31), nullptr);
    EXPECT_EQ(effectiveCategory(c.find(31)->category, 31), 15);
    for (int32_t kind : {29, 30}) ASSERT_NE(c.find(kind), nullptr);
}

TEST(RiskRuleRecord, RoundTripsEveryFieldAndNeverReadsPastAFullScope) {
    RiskRule r;
    r.id = 7;
    r.kind = 14;
    r.accountLevel = 1;
    r.category = 7;
    r.scope = "cu|al";
    r.parameters = {1, 2, 3, 4, 5, 6};
    r.forbidOpen = 1;
    r.forbidClose = 1;
    r.notifyMinutes = 5;
    r.forceClosePercent = 50;
    r.summary = "规则说明";
    r.owner = 3;
    r.windowStart = 90000;
    r.windowEnd = 113000;
    uint8_t record[RiskStrategy::WireSize];
    writeRiskRule(r, record);
    const RiskRule back = parseRiskRule(record);
    EXPECT_EQ(back.scope, r.scope);
    EXPECT_EQ(back.parameters, r.parameters);
    EXPECT_EQ(back.summary, r.summary);
    EXPECT_EQ(std::tie(back.id, back.kind, back.accountLevel, back.category, back.forbidOpen,
                       back.forbidClose, back.notifyMinutes, back.forceClosePercent, back.owner,
                       back.windowStart, back.windowEnd),
              std::tie(r.id, r.kind, r.accountLevel, r.category, r.forbidOpen, r.forbidClose,
                       r.notifyMinutes, r.forceClosePercent, r.owner, r.windowStart, r.windowEnd));

    // 2048 scope bytes without a NUL, the first parameter right behind them.
    std::memset(record + 20, 'x', RuleScopeBytes);
    putI32(record + 2068, 0x41414141);
    const RiskRule full = parseRiskRule(record);
    EXPECT_EQ(full.scope, std::string(RuleScopeBytes, 'x'));
    // A longer scope is written cut at 2048 bytes, the field behind intact.
    r.scope = std::string(3000, 'y');
    writeRiskRule(r, record);
    EXPECT_EQ(getI32(record + 2068), 1);
    EXPECT_EQ(parseRiskRule(record).scope.size(), 2048u);
}

TEST(RiskRequests, LoadAndUnloadCarryTheirFieldsAtTheirOffsets) {
    RiskRule r;
    r.id = 42;
    r.kind = 14;
    r.category = 7;
    r.summary = "s";
    r.windowEnd = 150000;
    const RuleTarget target{RuleTargetKind::Group, "0123456789abcdefXYZ"};
    std::vector<uint8_t> buffer = writeLoadRule(target, 3, r);
    ASSERT_EQ(buffer.size(), 2396u);
    EXPECT_EQ(getU16(buffer.data()), 2396);
    EXPECT_EQ(getI32(buffer.data() + 8), 3);
    EXPECT_EQ(getI32(buffer.data() + 12), 14);
    EXPECT_EQ(readPlainText(buffer.data() + 16, 16), "0123456789abcde");  // cut to 15 bytes
    EXPECT_EQ(getI32(buffer.data() + 2388), 150000);
    EXPECT_EQ(getI32(buffer.data() + 2392), 42);
    buffer = writeUnloadRule(target, 42, 2, 5);
    ASSERT_EQ(buffer.size(), 36u);
    EXPECT_EQ(getI32(buffer.data() + 4), 2);
    EXPECT_EQ(getI32(buffer.data() + 24), 42);
    EXPECT_EQ(getI32(buffer.data() + 28), 2);
    EXPECT_EQ(getI32(buffer.data() + 32), 5);
}

}  // namespace
}  // namespace korvant

namespace korvant {
namespace {

TEST(RiskCategory, TreeNodesListTheirPairsAndKind31) {
    struct Case {
        int32_t node, category, kind;
        bool listed;
    };
    const Case cases[] = {{-1, 9, 17, true},   {4, 5, 12, true},   {5, 4, 11, false},
                          {8, 9, 17, true},    {8, 10, 20, false}, {15, 0, 31, true},
                          {14, 14, 31, false}, {12, 13, 25, true}, {3, 3, 29, true}};
    for (const Case& c : cases)
        EXPECT_EQ(nodeListsRule(c.node, c.category, c.kind), c.listed)
            << c.node << " " << c.category << " " << c.kind;
    EXPECT_EQ(categoryNodes().size(), 11u);
    EXPECT_EQ(editorCaption(13), "保证金");
    EXPECT_TRUE(dialogOffersKind(5, 4, 11));  // a rule of 5 is edited with 4's kinds too
}

}  // namespace
}  // namespace korvant
