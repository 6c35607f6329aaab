#include <gtest/gtest.h>

#include "accounts/subaccounts/AccountNumber.h"
#include "accounts/subaccounts/SubAccountForm.h"
#include "support/ScriptedPort.h"

namespace korvant {
namespace {

SubAccountForm filledForm(const std::string& account) {
    SubAccountForm form;
    form.account = account;
    form.password = "pw";
    form.groups = {{12, "二级组", "0101"}};
    form.groupIndex = 0;
    form.mainAccounts = {"M1", "M2"};
    form.mainAccountIndex = 1;
    return form;
}

const char* RangeMessage = "子账号必须为正整数，取值范围 1 至 2147483647。  ";

TEST(SubAccountForm, AccountNumberRangeAndRewriting) {
    struct Case {
        const char* typed;
        bool accepted;
        const char* sent;
    };
    const Case cases[] = {
        {"0", false, ""},  {"2147483648", false, ""}, {"99999999999999999999999", false, ""},
        {"-5", false, ""}, {"abc", false, ""},        {"2147483647", true, "2147483647"},
        {"1", true, "1"},  {"0042", true, "42"},      {"12ab", true, "12"},
    };
    for (const Case& c : cases) {
        test::ScriptedPort port;
        SubAccountForm form = filledForm(c.typed);
        EXPECT_EQ(validateSubAccountForm(port, form, 20260102), c.accepted) << c.typed;
        if (c.accepted) {
            EXPECT_EQ(form.account, c.sent);
            EXPECT_EQ(form.openDate, 20260102);
            EXPECT_TRUE(port.messages.empty());
        } else {
            ASSERT_EQ(port.messages.size(), 1u) << c.typed;
            EXPECT_EQ(port.messages[0].text, RangeMessage);
            EXPECT_EQ(port.messages[0].icon, MessageIcon::Error);
        }
    }
}

TEST(SubAccountForm, ChecksRunInOrderWithTheirTexts) {
    auto refusal = [](SubAccountForm form) {
        test::ScriptedPort port;
        EXPECT_FALSE(validateSubAccountForm(port, form, 20260102));
        return port.lastMessage().text;
    };
    SubAccountForm form = filledForm("");
    form.password.clear();
    EXPECT_EQ(refusal(form), "子账号不能为空。  ");
    form.account = "7";
    EXPECT_EQ(refusal(form), "密码不能为空。  ");
    form.password = "x";
    form.groupIndex = -1;
    EXPECT_EQ(refusal(form), "请选择子账号所属的分组。  ");
    form.groups = {{-2, "请选择", ""}};
    form.groupIndex = 0;
    EXPECT_EQ(refusal(form), "请选择子账号所属的分组。");
    form.groups = {{12, "二级组", "0101"}};
    form.mainAccountIndex = -1;
    EXPECT_EQ(refusal(form), "请选择子账号所属的主账号。");
    form.mainAccounts.clear();
    form.mainAccountIndex = 0;
    EXPECT_EQ(refusal(form), "请选择子账号所属的主账号。");
}

TEST(SubAccountForm, MacRestrictionIsCleaned) {
    EXPECT_EQ(cleanMacRestriction("00-1a-2b-3c-4d-5g"), "001A2B3C4D5");
    EXPECT_EQ(cleanMacRestriction("aa.bb;cc:dd zz"), "AA.BB;CCDD");
    EXPECT_EQ(cleanMacRestriction("网卡ab"), "AB");

    test::ScriptedPort port;
    SubAccountForm form = filledForm("5");
    form.mac = "0a-0b;x1.ff";
    form.remark = " as typed ";
    ASSERT_TRUE(validateSubAccountForm(port, form, 20260102));
    EXPECT_EQ(form.mac, "0A0B;1.FF");
    EXPECT_EQ(form.remark, " as typed ");
}

}  // namespace
}  // namespace korvant
