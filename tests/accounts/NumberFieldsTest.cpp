#include <gtest/gtest.h>

#include "accounts/deposits/DepositForm.h"
#include "accounts/groups/GroupForm.h"
#include "accounts/mainaccounts/MainAccountChangeForm.h"
#include "accounts/mainaccounts/MainAccountForm.h"
#include "accounts/subaccounts/SubAccountForm.h"
#include "support/ScriptedPort.h"

// The number fields of the account forms take plain numbers of their kind
// only, and every refusal names the field it was about.
namespace korvant {
namespace {

using test::ScriptedPort;

TEST(NumberFields, DepositAmountsThatAreNoPlainAmountAreRefused) {
    for (const char* text : {"1,000", "一百万", "-5000", "1e60", "12.345", "inf"}) {
        ScriptedPort port;
        DepositForm form;
        form.availableText = "100";
        form.priorityText = text;
        EXPECT_FALSE(validateDepositForm(port, form)) << text;
        EXPECT_EQ(port.messageTexts(), std::vector<std::string>{"请填写正确的金额"}) << text;
        EXPECT_EQ(form.refusedField, "priority") << text;
    }
    ScriptedPort port;
    DepositForm form;
    form.availableText = "0";
    form.priorityText = "100.5";
    EXPECT_TRUE(validateDepositForm(port, form));
    EXPECT_EQ(form.refusedField, "");
    EXPECT_EQ(form.priorityChange, 100.5);

    form.priorityText = "";
    EXPECT_FALSE(validateDepositForm(port, form));  // nothing to move
    EXPECT_EQ(form.refusedField, "available");
}

TEST(NumberFields, MainAccountNumbersRefuseGarbageWithTheFieldsRule) {
    ScriptedPort port;
    MainAccountForm form;
    form.account = "880001";
    form.initialFunds = "1000000";
    form.priorityFunds = "1,000";
    EXPECT_FALSE(validateMainAccountForm(port, form));
    EXPECT_EQ(form.refusedField, "priorityFunds");
    EXPECT_EQ(port.lastMessage().text, "优先资金：请填写数字（最多 2 位小数）");

    form.priorityFunds = "";
    form.custodyFee = "0.1234567";
    EXPECT_FALSE(validateMainAccountForm(port, form));
    EXPECT_EQ(form.refusedField, "custodyFee");
    EXPECT_EQ(port.lastMessage().text, "托管费：请填写数字（最多 6 位小数）");

    form.custodyFee = "0.125";
    EXPECT_TRUE(validateMainAccountForm(port, form));
    EXPECT_EQ(form.initialFundsValue, 1000000.0);
    EXPECT_EQ(form.priorityFundsValue, 0.0);
    EXPECT_EQ(form.custodyFeeValue, 0.125);

    form.account.clear();
    EXPECT_FALSE(validateMainAccountForm(port, form));
    EXPECT_EQ(form.refusedField, "account");
}

TEST(NumberFields, ListedRatesStayAcceptableWhenModifying) {
    MainAccount record;
    record.account = "880001";
    record.feeRates[0] = -0.5;  // whatever the server lists
    record.feeRates[1] = 0.25;
    ScriptedPort port;
    MainAccountChangeForm form = MainAccountChangeForm::from(record);
    EXPECT_TRUE(validateMainAccountChangeForm(port, form));
    EXPECT_TRUE(form.unchanged());
    form.managementFee = "-0.6";
    EXPECT_FALSE(validateMainAccountChangeForm(port, form));
    EXPECT_EQ(form.refusedField, "managementFee");
}

TEST(NumberFields, OtherChecksNameTheirField) {
    ScriptedPort port;
    GroupForm group;
    EXPECT_FALSE(validateGroupForm(port, group));
    EXPECT_EQ(group.refusedField, "name");
    group.name = "g";
    group.rangeFrom = 100;
    group.rangeTo = 50;
    EXPECT_FALSE(validateGroupForm(port, group));
    EXPECT_EQ(group.refusedField, "rangeTo");

    SubAccountForm sub;
    sub.account = "42";
    EXPECT_FALSE(validateSubAccountForm(port, sub, 20260102));
    EXPECT_EQ(sub.refusedField, "password");
}

}  // namespace
}  // namespace korvant
