#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "accounts/deposits/DepositForm.h"
#include "accounts/deposits/DepositRecord.h"
#include "accounts/deposits/DepositRecordsCsv.h"
#include "accounts/deposits/DepositRequests.h"
#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"
#include "support/ScriptedPort.h"

namespace korvant {
namespace {

// The file's bytes of `records`, as the export builds them.
std::string depositCsvBytes(const std::vector<DepositRecord>& records, int32_t startDate,
                            int32_t endDate) {
    DepositCsvFile file(startDate, endDate);
    for (const DepositRecord& record : records) file.append(record);
    return file.bytes();
}

TEST(DepositForm, AmountsMustBeUsable) {
    test::ScriptedPort port;
    DepositForm form;
    EXPECT_FALSE(validateDepositForm(port, form));  // all three empty = 0
    EXPECT_EQ(port.lastMessage().text, "请填写正确的金额");
    EXPECT_EQ(port.lastMessage().icon, MessageIcon::Error);

    form.availableText = "-1";
    form.priorityText = "100";
    EXPECT_FALSE(validateDepositForm(port, form));
    form.availableText = "inf";
    EXPECT_FALSE(validateDepositForm(port, form));

    form.availableText = "0";
    EXPECT_TRUE(validateDepositForm(port, form));
    EXPECT_EQ(form.priorityChange, 100);

    // More decimals than cents is no amount of the field.
    form.availableText = "12.345";
    form.priorityText = "";
    EXPECT_FALSE(validateDepositForm(port, form));
    form.availableText = "12.35";
    EXPECT_TRUE(validateDepositForm(port, form));
    EXPECT_DOUBLE_EQ(form.availableChange, 12.35);
    EXPECT_EQ(form.priorityChange, 0);
}

TEST(DepositForm, WithdrawalTotalsAreClampedAtZero) {
    DepositForm form;
    form.priority = 50;
    form.startInvestment = 1000;
    form.priorityChange = 80;
    form.startInvestmentChange = 300;
    form.direction = DepositDirectionOut;
    DepositTotals totals = depositTotals(form);
    EXPECT_EQ(totals.priority, 0);
    EXPECT_FALSE(std::signbit(totals.priority));
    EXPECT_EQ(totals.startInvestment, 700);

    form.direction = DepositDirectionIn;
    totals = depositTotals(form);
    EXPECT_EQ(totals.priority, 130);
    EXPECT_EQ(totals.startInvestment, 1300);
}

TEST(DepositForm, InfoLinesAndModes) {
    DepositForm form;
    form.mode = DepositMode::MainAccount;
    form.available = 123456;
    form.priority = 100000000;
    form.startInvestment = 0;
    DepositView view = depositView(form);
    // Unlimited initial funds: no amount at all for the available funds.
    EXPECT_EQ(view.availableLine, "可用资金:  不限");
    EXPECT_EQ(view.priorityLine, "优先资金:  100000000.00    （1亿元）");
    EXPECT_EQ(view.startInvestmentLine, "期初投入:  0.00    （0元）");
    EXPECT_EQ(view.depositableLine, "可 入 金:  不限");
    EXPECT_FALSE(view.showEquity);
    EXPECT_FALSE(view.showDepositable);
    EXPECT_FALSE(view.showHistoryBox);
    EXPECT_TRUE(view.showPriorityRows);

    form.initialFunds = 1e6;
    view = depositView(form);
    EXPECT_EQ(view.availableLine, "可用资金:  123456.00    （12.35万元）");

    form.mode = DepositMode::Link;
    form.depositable = 5e12;
    view = depositView(form);
    EXPECT_EQ(view.depositableLine, "可 入 金:  5000000000000.00    （5万亿元）");
    EXPECT_TRUE(view.showDepositable);
    EXPECT_FALSE(view.showPriorityRows);

    form.mode = DepositMode::SubAccount;
    form.direction = DepositDirectionOut;
    view = depositView(form);
    EXPECT_TRUE(view.showEquity && view.showHistoryBox && view.showRemark);
    EXPECT_EQ(view.amountCaptions[0], "可用资金减少:");
    EXPECT_EQ(view.amountCaptions[2], "期初投入减少:（可不填）");
}

TEST(DepositRequests, LayoutsOfTheThreeDeposits) {
    uint8_t packet[200];
    SubAccountDeposit sub;
    sub.groupCode = "0101";
    sub.subAccount = "10001";
    sub.direction = 1;
    sub.availableChange = 99.999;
    sub.mainAccount = "M1";
    sub.countInHistory = true;
    sub.newPriority = 5;
    sub.newStartInvestment = 6;
    sub.remark = "备注";
    ASSERT_EQ(writeSubAccountDeposit(sub, packet, sizeof packet), 164);
    EXPECT_EQ(packet[3], 36);
    EXPECT_EQ(readPlainText(packet + 4, 16), "0101");
    EXPECT_EQ(readPlainText(packet + 20, 32), "10001");
    EXPECT_EQ(getI32(packet + 52), 1);
    EXPECT_DOUBLE_EQ(getF64(packet + 56), 100.0);
    EXPECT_EQ(readPlainText(packet + 64, 16), "M1");
    EXPECT_EQ(getI32(packet + 80), 1);
    EXPECT_EQ(getF64(packet + 84), 5);
    EXPECT_EQ(getF64(packet + 92), 6);
    EXPECT_EQ(readPlainText(packet + 100, 64), "备注");

    MainAccountDeposit main;
    main.groupCode = "01";
    main.mainAccount = "M1";
    main.availableChange = 10;
    main.newPriority = 20;
    main.newStartInvestment = 30;
    ASSERT_EQ(writeMainAccountDeposit(main, packet, sizeof packet), 64);
    EXPECT_EQ(packet[3], 82);
    EXPECT_EQ(readPlainText(packet + 20, 16), "M1");
    EXPECT_EQ(getI32(packet + 36), 0);
    EXPECT_EQ(getF64(packet + 40), 10);
    EXPECT_EQ(getF64(packet + 48), 20);
    EXPECT_EQ(getF64(packet + 56), 30);

    LinkDeposit link;
    link.groupCode = "0101";
    link.mainAccount = "M1";
    link.direction = 1;
    link.availableChange = 0.005;
    ASSERT_EQ(writeLinkDeposit(link, packet, sizeof packet), 64);
    EXPECT_EQ(packet[3], 67);
    EXPECT_EQ(readPlainText(packet + 20, 32), "M1");
    EXPECT_EQ(getI32(packet + 52), 1);
    EXPECT_EQ(getF64(packet + 56), 0.01);
}

TEST(DepositRequests, AnswersAreCheckedBeforeUse) {
    std::vector<uint8_t> answer(36, 0);
    PacketHeader{36, 0, 81}.write(answer.data());
    putF64(answer.data() + 4, 1.5);
    putF64(answer.data() + 28, 4.5);
    auto funds = parseSubAccountFunds(answer.data(), 36);
    ASSERT_TRUE(funds.has_value());
    EXPECT_EQ(funds->available, 1.5);
    EXPECT_EQ(funds->startInvestment, 4.5);
    EXPECT_FALSE(parseSubAccountFunds(answer.data(), 35).has_value());
    answer[3] = 0;
    EXPECT_FALSE(parseSubAccountFunds(answer.data(), 36).has_value());

    std::vector<uint8_t> outcome(8, 0);
    std::string text = toGbk("资金不足");
    outcome.insert(outcome.end(), text.begin(), text.end());  // no NUL at the end
    EXPECT_FALSE(parseDepositOutcome(outcome.data(), static_cast<int>(outcome.size())).success);
    EXPECT_EQ(parseDepositOutcome(outcome.data(), static_cast<int>(outcome.size())).text,
              "资金不足");
    putI32(outcome.data() + 4, 1);
    EXPECT_TRUE(parseDepositOutcome(outcome.data(), 8).success);
    EXPECT_FALSE(parseDepositOutcome(outcome.data(), 7).success);
}

TEST(DepositRequests, RecordsQuery) {
    uint8_t packet[56];
    DepositRecordsQuery query;
    query.startDate = 20240101;
    query.endDate = 20240131;
    query.customer = "10001";
    query.accountId = -1;
    query.page = 3;
    ASSERT_EQ(writeDepositRecordsQuery(query, packet, sizeof packet), 56);
    EXPECT_EQ(packet[3], 47);
    EXPECT_EQ(getI32(packet + 4), 20240101);
    EXPECT_EQ(getI32(packet + 8), 20240131);
    EXPECT_EQ(readPlainText(packet + 12, 32), "10001");
    EXPECT_EQ(getI32(packet + 44), -1);
    EXPECT_EQ(getI32(packet + 48), 3);
    EXPECT_EQ(getI32(packet + 52), 0);
}

TEST(DepositRecordsCsv, WithdrawalLineBytes) {
    DepositRecord record;
    record.customer = 10001;
    record.tradeDate = 20240105;
    record.date = 20240104;
    record.time = "21:05:09";
    record.amount = -1234.5;
    record.operatorName = "管理员";
    record.serial = 42;
    record.remark = "提现";
    uint8_t wire[DepositRecord::WireSize];
    record.toWire(wire);
    DepositRecord back = DepositRecord::fromWire(wire);
    EXPECT_EQ(back.withdrawalText(), "1234.50");
    EXPECT_EQ(back.depositText(), "");

    std::string bytes = depositCsvBytes({back}, 20240101, 20240131);
    std::string expected = toGbk(
        "子账号,开始日期,结束日期,交易日期,日期,时间,入金,出金,管理员,流水号,备注\r\n"
        "10001,20240101,20240131,20240105,20240104,21:05:09, ,1234.50,管理员,42,提现\r\n");
    EXPECT_EQ(bytes, expected);
    // GBK on disk: 子 is D7 D3.
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xD7);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD3);
}

// A file of many records is its lines one after the other, in GBK, past the
// size its text was first given room for.
TEST(DepositRecordsCsv, ManyRecordsAreTheirLinesInOrder) {
    std::vector<DepositRecord> records;
    std::string text = depositCsvHeader();
    for (int i = 0; i < 300; ++i) {
        DepositRecord r;
        r.customer = 1000 + i;
        r.amount = i % 3 == 0 ? -12.5 * i : 1000.25 * i;
        r.operatorName = i % 2 ? "管理员" : "admin";
        r.serial = i;
        r.remark = std::string(static_cast<std::size_t>(i % 40), 'x') + (i % 5 ? "备注" : "a,b");
        records.push_back(r);
        text += depositCsvLine(r, 20240101, 20240131);
    }
    EXPECT_EQ(depositCsvBytes(records, 20240101, 20240131), toGbk(text));
    EXPECT_EQ(depositCsvBytes({}, 1, 2), toGbk(depositCsvHeader()));
}

TEST(DepositRecordsCsv, ServerTextsCannotShiftColumns) {
    DepositRecord record;
    record.amount = 10;
    record.remark = "a,b\r\nc\"d";
    std::string line = depositCsvLine(record, 1, 2);
    EXPECT_EQ(line, "0,1,2,0,0,,10.00, ,,0,\"a,b\r\nc\"\"d\"\r\n");
}

TEST(DepositRecordsCsv, ServerTextsCannotBecomeSpreadsheetFormulas) {
    DepositRecord record;
    record.amount = -10;
    record.operatorName = "@admin";
    record.remark = "=HYPERLINK(\"http://x\",\"y\")";
    std::string line = depositCsvLine(record, 1, 2);
    EXPECT_EQ(line, "0,1,2,0,0,, ,10.00,'@admin,0,\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"\r\n");
}

}  // namespace
}  // namespace korvant
