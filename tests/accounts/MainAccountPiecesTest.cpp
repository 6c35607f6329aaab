#include <gtest/gtest.h>

#include <cstring>

#include "accounts/mainaccounts/MainAccountChangeForm.h"
#include "accounts/mainaccounts/MainAccountForm.h"
#include "accounts/mainaccounts/MainAccountRequests.h"
#include "app/lists/AccountListRequests.h"
#include "model/AccountColumns.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"
#include "support/ScriptedPort.h"
#include "text/AmountInWords.h"
#include "text/DecimalText.h"

namespace korvant {
namespace {

double f64At(const uint8_t* p) {
    double v;
    std::memcpy(&v, p, 8);
    return v;
}

TEST(MainAccountTexts, AmountInWords) {
    EXPECT_EQ(amountInWords(123456), "12.35万元");
    EXPECT_EQ(amountInWords(50000), "5万元");
    EXPECT_EQ(amountInWords(999), "999元");
    EXPECT_EQ(amountInWords(9999.5), "9999.5元");
    EXPECT_EQ(amountInWords(0), "0元");
    EXPECT_EQ(amountInWords(250000000), "2.5亿元");
    EXPECT_EQ(amountInWords(3e12), "3万亿元");
}

TEST(MainAccountTexts, UnlimitedFundsAndFeeColumns) {
    MainAccount unlimited;
    unlimited.account = "M1";
    unlimited.distributableFunds = 500;
    unlimited.priorityFunds = 1.5;
    unlimited.feeRates = {0.5, 0.125, 0, 1.0000004, 3};
    const auto row = mainAccountListCells(unlimited);
    ASSERT_EQ(row.size(), mainAccountListColumns().size());
    EXPECT_EQ(row[1], "*****");
    EXPECT_EQ(row[2], "不限");
    EXPECT_EQ(row[3], "不限");
    EXPECT_EQ(row[4], "1.50");
    EXPECT_EQ(row[6], "0.5");
    EXPECT_EQ(row[7], "0.125");
    EXPECT_EQ(row[8], "0");
    EXPECT_EQ(row[9], "1");
    EXPECT_EQ(row[10], "3");

    MainAccount limited = unlimited;
    limited.initialFunds = 1000;
    EXPECT_EQ(mainAccountListCells(limited)[2], "1000.00");
    EXPECT_EQ(mainAccountListCells(limited)[3], "500.00");

    // The link list shows the funds of a limited parent, "不限" for an
    // unlimited one.
    MainAccountLink link{"M1", 77};
    EXPECT_EQ(mainAccountLinkListCells(link, std::vector<MainAccount>{unlimited})[1], "不限");
    EXPECT_EQ(mainAccountLinkListCells(link, std::vector<MainAccount>{limited})[1], "77.00");
}

TEST(MainAccountForm, EmptyAccountRefusedAndAmountsReadAsPlainNumbers) {
    test::ScriptedPort port;
    MainAccountForm form;
    EXPECT_FALSE(validateMainAccountForm(port, form));
    EXPECT_EQ(port.lastMessage().text, "请填写主账号。  ");
    EXPECT_EQ(port.lastMessage().icon, MessageIcon::Information);
    form.account = "M9";
    form.initialFunds = "";
    form.startInvestment = "12.5";
    form.priorityFunds = "abc";
    form.managementFee = "0.3";
    EXPECT_FALSE(validateMainAccountForm(port, form));
    EXPECT_EQ(form.refusedField, "priorityFunds");
    form.priorityFunds = "";
    ASSERT_TRUE(validateMainAccountForm(port, form));
    EXPECT_EQ(form.initialFundsValue, 0);
    EXPECT_EQ(form.startInvestmentValue, 12.5);
    EXPECT_EQ(form.priorityFundsValue, 0);
    EXPECT_EQ(form.managementFeeValue, 0.3);
}

TEST(MainAccountChangeForm, NothingChangedUnlessPasswordsFeesOrClearing) {
    MainAccount record;
    record.account = "M1";
    record.feeRates = {0.5, 0.1234567, 7, 8, 9};
    MainAccountChangeForm form = MainAccountChangeForm::from(record);
    EXPECT_EQ(form.managementFee, "0.5");
    EXPECT_EQ(form.custodyFee, "0.123457");
    EXPECT_TRUE(form.unchanged());
    form.custodyFee = "0.123457000";
    EXPECT_TRUE(form.unchanged());
    form.custodyFee = "0.2";
    EXPECT_FALSE(form.unchanged());
    EXPECT_EQ(form.fees()[1], 0.2);
    EXPECT_EQ(form.fees()[2], 7);

    auto fresh = MainAccountChangeForm::from(record);
    fresh.tradingPassword = "t";
    EXPECT_FALSE(fresh.unchanged());
    fresh = MainAccountChangeForm::from(record);
    fresh.clearFeesDue = true;
    EXPECT_FALSE(fresh.unchanged());
}

TEST(MainAccountRequests, Layouts) {
    uint8_t buf[200];
    NewMainAccount n{"M1", 1e6, "01", "trade", 2.5, 3.5, "fund", 0.3, 0.4};
    std::memset(buf, 0xEE, sizeof buf);
    ASSERT_EQ(writeCreateMainAccount(n, buf, sizeof buf), 164);
    EXPECT_EQ(buf[3], 38);
    EXPECT_EQ(readPlainText(buf + 4, 16), "M1");
    EXPECT_EQ(f64At(buf + 20), 1e6);
    EXPECT_EQ(readPlainText(buf + 28, 16), "01");
    EXPECT_EQ(readPlainText(buf + 44, 32), "trade");
    EXPECT_EQ(f64At(buf + 76), 2.5);
    EXPECT_EQ(f64At(buf + 84), 3.5);
    EXPECT_EQ(readPlainText(buf + 92, 32), "fund");
    EXPECT_EQ(f64At(buf + 124), 0.3);
    EXPECT_EQ(f64At(buf + 132), 0.4);
    for (int i = 140; i < 164; ++i) EXPECT_EQ(buf[i], 0);

    MainAccountChange c{"M1", "", "t2", true, {1, 2, 3, 4, 5}};
    std::memset(buf, 0xEE, sizeof buf);
    ASSERT_EQ(writeModifyMainAccount(c, buf, sizeof buf), 136);
    EXPECT_EQ(buf[3], 86);
    for (int i = 20; i < 28; ++i) EXPECT_EQ(buf[i], 0);
    EXPECT_EQ(readPlainText(buf + 28, 32), "");
    EXPECT_EQ(readPlainText(buf + 60, 32), "t2");
    EXPECT_EQ(buf[92], 1);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(f64At(buf + 96 + 8 * i), i + 1);

    ASSERT_EQ(writeDeleteMainAccount("M1", buf, sizeof buf), 20);
    EXPECT_EQ(buf[3], 39);
    ASSERT_EQ(writeGroupIdQuery("01", buf, sizeof buf), 20);
    EXPECT_EQ(buf[3], 65);
    EXPECT_EQ(readPlainText(buf + 4, 16), "01");
    ASSERT_EQ(writeMainAccountLink(102, "M1", "0102", buf, sizeof buf), 36);
    EXPECT_EQ(buf[3], 102);
    EXPECT_EQ(readPlainText(buf + 4, 16), "M1");
    EXPECT_EQ(readPlainText(buf + 20, 16), "0102");
    EXPECT_EQ(writeMainAccountLink(66, "M1", "0102", buf, 35), -1);
}

TEST(DecimalText, ReadsLeniently) {
    EXPECT_EQ(readDecimal(""), 0);
    EXPECT_EQ(readDecimal("x1"), 0);
    EXPECT_EQ(readDecimal(" 2.5abc"), 2.5);
    EXPECT_EQ(readDecimal("1e400"), 0);
}

}  // namespace
}  // namespace korvant
