#include <gtest/gtest.h>

#include <functional>

#include "model/ReferenceData.h"
#include "risk/RuleForms.h"
#include "support/ScriptedPort.h"

namespace korvant {
namespace {

const char* const Catalogue =
    "[riskdetail]\n"
    "1=7|14|Contract风险度大于参数1%\n"
    "2=14|26|风险度达到参数1%\n"
    "3=15|31|每日参数1时间到达,强平所有持仓\n"
    "4=5|22|Contract单边超过参数1手或双边超过参数2手\n"
    "5=3|29|Contract跌停价买入超过参数1手\n"
    "6=1|1|Exchange单笔委托超过参数1手\n";

GenericRuleForm formFor(int32_t category, int32_t kind) {
    ReferenceData reference;
    GenericRuleForm form =
        makeGenericRuleForm(reference, RuleCatalogue::parse(Catalogue), category, nullptr);
    for (std::size_t i = 0; i < form.kinds.size(); ++i)
        if (form.kinds[i].kind == kind) form.selectedKind = static_cast<int>(i);
    return form;
}

TEST(GenericRuleForm, ChecksInOrderCleansUpAndBuildsTheSummary) {
    struct Case {
        const char* what;
        int32_t category, kind;
        std::function<void(GenericRuleForm&)> fill;
        const char* message;  // empty: accepted
        const char* summary;
    };
    const Case cases[] = {
        {"no flag", 7, 14, [](GenericRuleForm& f) { f.parameters[0] = "80"; },
         "“禁止开仓”和“禁止平仓”至少要勾选一种。  ", ""},
        {"category 14 with nothing", 14, 26, [](GenericRuleForm& f) { f.parameters[0] = "90"; },
         "“发送通知”和“强平”至少要填写一种。  ", ""},
        {"minutes typed but not ticked", 14, 26,
         [](GenericRuleForm& f) {
             f.parameters[0] = "90";
             f.notifyMinutes = 5;
         },
         "“发送通知”和“强平”至少要填写一种。  ", ""},
        {"category 14 with force-close 50", 14, 26,
         [](GenericRuleForm& f) {
             f.parameters[0] = "90";
             f.forceClose = true;
             f.forceClosePercent = 50;
         },
         "", "风险度达到90%,强平所有持仓数量的50%"},
        {"category 15 needs no box", 15, 31, [](GenericRuleForm& f) { f.parameters[0] = "1455"; },
         "", "每日1455时间到达,强平所有持仓"},
        {"missing second parameter", 4, 22,
         [](GenericRuleForm& f) {
             f.parameters[0] = "10";
             f.forbidOpen = true;
         },
         "请填写“参数2”。  ", ""},
        {"08 kept as typed", 7, 14,
         [](GenericRuleForm& f) {
             f.parameters[0] = "08";
             f.forbidOpen = true;
             f.scope = "cu";
         },
         "", "cu风险度大于08%,禁止开仓"},
        {"kind 29 without parameter 1", 3, 29, [](GenericRuleForm& f) { f.forbidOpen = true; }, "",
         "全部品种 跌停时买,禁止开仓"},
        {"a parameter beyond 32 bits", 7, 14,
         [](GenericRuleForm& f) {
             f.parameters[0] = "2147483648";
             f.forbidOpen = true;
         },
         "“参数1”应为 0 到 2147483647 之间的整数。  ", ""},
        {"a parameter beyond 64 bits", 7, 14,
         [](GenericRuleForm& f) {
             f.parameters[0] = "99999999999999999999";
             f.forbidOpen = true;
         },
         "“参数1”应为 0 到 2147483647 之间的整数。  ", ""},
        {"a parameter with an exponent", 7, 14,
         [](GenericRuleForm& f) {
             f.parameters[0] = "1e308";
             f.forbidOpen = true;
         },
         "“参数1”应为 0 到 2147483647 之间的整数。  ", ""},
        {"a negative parameter", 4, 22,
         [](GenericRuleForm& f) {
             f.parameters = {"10", "-5"};
             f.forbidOpen = true;
         },
         "“参数2”应为 0 到 2147483647 之间的整数。  ", ""},
        {"negative minutes", 14, 26,
         [](GenericRuleForm& f) {
             f.parameters[0] = "90";
             f.notify = true;
             f.notifyMinutes = -1;
         },
         "“发送风险通知的间隔（分钟）”应为 0 到 2147483647 之间的整数。  ", ""},
        {"a share over 100 percent", 14, 26,
         [](GenericRuleForm& f) {
             f.parameters[0] = "90";
             f.forceClose = true;
             f.forceClosePercent = 999999;
         },
         "“强平所有持仓数量的百分比”应为 0 到 100 之间的整数。  ", ""},
        {"a name of 300 letters", 7, 14,
         [](GenericRuleForm& f) {
             f.parameters[0] = "80";
             f.forbidOpen = true;
             f.name = std::string(300, 'a');
         },
         "“名称”最多 255 个字节（一个汉字占 2 个字节），现为 300 个字节。  ", ""},
        {"an emoji in the name", 7, 14,
         [](GenericRuleForm& f) {
             f.parameters[0] = "80";
             f.forbidOpen = true;
             f.name = "风控\xF0\x9F\x98\x80";
         },
         "“名称”含有 GBK 无法表示的字符“\xF0\x9F\x98\x80”。  ", ""},
        {"a name that is no UTF-8", 7, 14,
         [](GenericRuleForm& f) {
             f.parameters[0] = "80";
             f.forbidOpen = true;
             f.name = "\xC3\x28";
         },
         "“名称”不是有效的 UTF-8 文本。  ", ""},
        {"127 Chinese characters fit the name", 7, 14,
         [](GenericRuleForm& f) {
             f.parameters[0] = "80";
             f.forbidOpen = true;
             for (int i = 0; i < 127; ++i) f.name += "风";
         },
         "", nullptr},
        {"the name replaces everything", 7, 14,
         [](GenericRuleForm& f) {
             f.parameters[0] = "80";
             f.forbidOpen = true;
             f.windowEnd = 150000;
             f.name = "高风险";
         },
         "", "高风险"},
    };
    for (const Case& c : cases) {
        test::ScriptedPort port;
        GenericRuleForm form = formFor(c.category, c.kind);
        ASSERT_GE(form.selectedKind, 0) << c.what;
        c.fill(form);
        const bool accepted = validateGenericRuleForm(port, form);
        EXPECT_EQ(accepted, c.message[0] == '\0') << c.what;
        if (!accepted) {
            EXPECT_EQ(port.lastMessage().text, c.message) << c.what;
            EXPECT_EQ(port.lastMessage().caption, "错误") << c.what;
        } else if (c.summary != nullptr) {
            EXPECT_EQ(form.result.summary, c.summary) << c.what;
        }
    }
}

TEST(GenericRuleForm, WhatTheKindDoesNotUseIsCleared) {
    test::ScriptedPort port;
    GenericRuleForm form = formFor(15, 31);
    form.parameters = {"1455", "7", "9", "", "", ""};
    form.scope = "cu";
    form.windowStart = 90000;
    form.notify = true;
    form.notifyMinutes = 5;
    ASSERT_TRUE(validateGenericRuleForm(port, form));
    EXPECT_EQ(form.result.parameters, (std::array<int32_t, 6>{1455, 0, 0, 0, 0, 0}));
    EXPECT_EQ(form.result.scope, "");
    EXPECT_EQ(form.result.windowStart, 0);  // "时间到达": no window
    EXPECT_EQ(form.result.notifyMinutes, 0);
    EXPECT_EQ(form.result.category, 15);

    // Typing "08" stores 8.
    GenericRuleForm typed = formFor(7, 14);
    typed.parameters[0] = "08";
    typed.parameters[2] = "33";
    typed.forbidClose = true;
    ASSERT_TRUE(validateGenericRuleForm(port, typed));
    EXPECT_EQ(typed.result.parameters[0], 8);
    EXPECT_EQ(typed.result.parameters[2], 0);
}

TEST(GenericRuleForm, KindListOffersPairsAndSubstitutesPositiveValues) {
    GenericRuleForm form = formFor(4, 22);
    ASSERT_EQ(form.kinds.size(), 1u);  // category 4's node offers category 5's kinds
    EXPECT_EQ(form.kinds[0].text, "全部品种单边超过参数1手或双边超过参数2手");
    form.parameters[1] = "20";
    form.scope = "cu|al";
    form.windowStart = 90000;
    refreshKindTexts(form);
    EXPECT_EQ(form.kinds[0].text, "[09:00-00:00]cu等品种单边超过参数1手或双边超过20手");
    const RuleControls c = controlsOf(form);
    EXPECT_TRUE(c.flags && c.products && c.window && c.parameters[1]);
    EXPECT_FALSE(c.forceClose || c.exchanges || c.parameters[2]);
    EXPECT_TRUE(formFor(7, 14).kinds.size() == 1 && formFor(15, 31).kinds.size() == 1);
    EXPECT_FALSE(controlsOf(formFor(15, 31)).window);

    // Modifying keeps the rule's kind: the change cannot send another one.
    RiskRule rule;
    rule.kind = 28;
    rule.category = 7;
    const RuleCatalogue two = RuleCatalogue::parse("[riskdetail]\n1=7|14|a参数1\n2=7|28|b参数1\n");
    EXPECT_EQ(makeGenericRuleForm(ReferenceData{}, two, 7, nullptr).kinds.size(), 2u);
    const GenericRuleForm modify = makeGenericRuleForm(ReferenceData{}, two, 7, &rule);
    ASSERT_EQ(modify.kinds.size(), 1u);
    EXPECT_EQ(modify.kinds[0].kind, 28);
}

TEST(RuleScopes, PickersAndTheProductDialog) {
    ReferenceData reference;
    std::vector<ExchangeProducts> exchanges = {{"上海", "SHFE", {"cu", "al"}},
                                               {"大连", "DCE", {"a"}},
                                               {"郑州", "CZCE", {}},
                                               {"中金所", "CFFEX", {}}};
    test::ScriptedPort port;
    ProductPickerForm picker;
    picker.exchanges = exchanges;
    EXPECT_FALSE(validateProductPicker(port, picker));
    EXPECT_EQ(port.lastMessage().text, "请选择至少一个交易品种");
    picker.selected = {"a", "cu"};
    ASSERT_TRUE(validateProductPicker(port, picker));
    EXPECT_EQ(picker.scope, "cu|a");  // exchange and list order
    picker.selected = {"a", "cu", "al"};
    ASSERT_TRUE(validateProductPicker(port, picker));
    EXPECT_EQ(picker.scope, "");  // every product: all products

    ExchangePickerForm exchangesPicker;
    exchangesPicker.ticked = {false, true, false, true};
    ASSERT_TRUE(validateExchangePicker(port, exchangesPicker));
    EXPECT_EQ(exchangesPicker.scope, "@DCE|@CFFEX");

    ProductRuleForm product = makeProductRuleForm(reference, nullptr);
    product.exchanges = exchanges;
    EXPECT_FALSE(validateProductRuleForm(port, product));
    product.selected = {"al", "cu"};
    product.forbidClose = true;
    ASSERT_TRUE(validateProductRuleForm(port, product));
    EXPECT_EQ(product.result.scope, "cu|al");
    EXPECT_EQ(product.result.kind, 8);
    EXPECT_EQ(product.result.summary, "cu;al,禁止平仓");
}

}  // namespace
}  // namespace korvant
