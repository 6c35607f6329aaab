#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "accounts/subaccounts/SubAccountDeletePrompt.h"
#include "accounts/subaccounts/SubAccountRequests.h"
#include "accounts/subaccounts/SubAccountSort.h"
#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

int32_t i32At(const uint8_t* p) {
    int32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

TEST(SubAccountRequests, AddLayout) {
    NewSubAccount v;
    v.account = "42";
    v.password = "pw";
    v.openDate = 20260102;
    v.groupId = 9;
    v.name = "张三";
    v.mainAccount = "M1";
    v.mac = "00AA";
    v.remark = "备注";
    v.options = 0x3;
    uint8_t buf[300];
    std::memset(buf, 0xEE, sizeof buf);
    ASSERT_EQ(writeAddSubAccount(v, buf, sizeof buf), 202);
    const PacketHeader h = PacketHeader::read(buf);
    EXPECT_EQ(h.length, 202);
    EXPECT_EQ(h.flag, 0);
    EXPECT_EQ(h.command, 8);
    EXPECT_EQ(readPlainText(buf + 4, 16), "42");
    EXPECT_EQ(readPlainText(buf + 20, 16), "pw");
    EXPECT_EQ(i32At(buf + 36), 20260102);
    EXPECT_EQ(i32At(buf + 40), 9);
    EXPECT_EQ(readPlainText(buf + 44, 32), "张三");
    for (int i = 76; i < 86; ++i) EXPECT_EQ(buf[i], 0) << i;
    EXPECT_EQ(readPlainText(buf + 86, 16), "M1");
    EXPECT_EQ(readPlainText(buf + 102, 32), "00AA");
    EXPECT_EQ(readPlainText(buf + 134, 64), "备注");
    EXPECT_EQ(i32At(buf + 198), 3);
    EXPECT_EQ(writeAddSubAccount(v, buf, 201), -1);
}

TEST(SubAccountRequests, ChangeFlags) {
    SubAccountValues recorded{9, "old", "名", "M1", "AA", "r", 0x7};
    SubAccountValues edited = recorded;
    EXPECT_EQ(subAccountChangeFlags(recorded, edited), 0);
    edited.password = "new";
    EXPECT_EQ(subAccountChangeFlags(recorded, edited), 0x01);
    edited = recorded;
    edited.remark = "r2";
    EXPECT_EQ(subAccountChangeFlags(recorded, edited), 0x10);
    // Bits beyond 0 and 1 are not the dialog's; only its two boxes count.
    edited = recorded;
    edited.options = 0x3;
    EXPECT_EQ(subAccountChangeFlags(recorded, edited), 0);
    edited.options = 0x5;
    EXPECT_EQ(subAccountChangeFlags(recorded, edited), 0x10);
    edited = recorded;
    edited.groupId = 10;
    edited.password = "x";
    EXPECT_EQ(subAccountChangeFlags(recorded, edited), 0x11);
}

TEST(SubAccountRequests, ModifyIsCompressedAndInflatesToTheLayout) {
    SubAccountValues v{9, "pw", "名称", "M1", "AA;BB", "备注", 0x102};
    uint8_t buf[400];
    const int size = writeModifySubAccount("42", 0x10, v, buf, sizeof buf);
    ASSERT_GT(size, 4);
    PacketHeader h = PacketHeader::read(buf);
    EXPECT_EQ(h.flag, 1);
    EXPECT_EQ(h.command, 11);
    EXPECT_EQ(h.length, size);
    uint8_t plain[WorkCopySize];
    ASSERT_EQ(inflatePacket(buf, size, plain, sizeof plain), 196);
    EXPECT_EQ(i32At(plain + 4), 0x10);
    EXPECT_EQ(i32At(plain + 8), 1);
    EXPECT_EQ(i32At(plain + 12), 9);
    EXPECT_EQ(readPlainText(plain + 16, 16), "pw");
    EXPECT_EQ(readPlainText(plain + 32, 32), "名称");
    EXPECT_EQ(readPlainText(plain + 64, 16), "M1");
    EXPECT_EQ(readPlainText(plain + 80, 16), "42");
    EXPECT_EQ(readPlainText(plain + 96, 32), "AA;BB");
    EXPECT_EQ(readPlainText(plain + 128, 64), "备注");
    EXPECT_EQ(i32At(plain + 192), 0x102);
}

TEST(SubAccountRequests, DeleteIsTwentyBytesZeroPadded) {
    uint8_t buf[20];
    std::memset(buf, 0xEE, sizeof buf);
    ASSERT_EQ(writeDeleteSubAccount("123456789012345678", buf, sizeof buf), 20);
    EXPECT_EQ(PacketHeader::read(buf).length, 20);
    EXPECT_EQ(buf[3], 14);
    EXPECT_EQ(readPlainText(buf + 4, 16), "123456789012345");
    EXPECT_EQ(buf[19], 0);
    ASSERT_EQ(writeDeleteSubAccount("7", buf, sizeof buf), 20);
    for (int i = 5; i < 20; ++i) EXPECT_EQ(buf[i], 0);
}

std::vector<SubAccount> accounts(int n) {
    std::vector<SubAccount> list;
    for (int i = 1; i <= n; ++i) {
        SubAccount s;
        s.account = std::to_string(100 + i);
        s.mainAccount = "M" + std::to_string(i);
        list.push_back(s);
    }
    return list;
}

TEST(SubAccountDeletePrompt, ListsFourAndCountsTheRest) {
    const std::string four =
        "确认删除以下子账号吗？\n\n"
        "子账号: 101    \t隶属主账号: M1\n"
        "子账号: 102    \t隶属主账号: M2\n"
        "子账号: 103    \t隶属主账号: M3\n"
        "子账号: 104    \t隶属主账号: M4\n";
    EXPECT_EQ(subAccountDeletePrompt(accounts(4)), four);
    EXPECT_EQ(subAccountDeletePrompt(accounts(6)), four + "...\n\n共 6 个");
    EXPECT_EQ(subAccountDeletePrompt(accounts(1)),
              "确认删除以下子账号吗？\n\n子账号: 101    \t隶属主账号: M1\n");
}

}  // namespace
}  // namespace korvant

namespace korvant {
namespace {

TEST(SubAccountSort, NumbersAsNumbersAndEveryClickReverses) {
    std::vector<SubAccount> records(3);
    records[0].account = "9";
    records[0].name = "乙";
    records[1].account = "100";
    records[1].name = "甲";
    records[2].account = "20";
    records[2].name = "丙";
    auto accounts = [&] {
        std::vector<std::string> out;
        for (const SubAccount& s : records) out.push_back(s.account);
        return out;
    };
    SubAccountSorter sorter;
    ASSERT_TRUE(sorter.sortByColumn(records, 0));
    EXPECT_EQ(accounts(), (std::vector<std::string>{"9", "20", "100"}));
    ASSERT_TRUE(sorter.sortByColumn(records, 0));
    EXPECT_EQ(accounts(), (std::vector<std::string>{"100", "20", "9"}));
    // The direction flag is shared: the next column sorts ascending again.
    ASSERT_TRUE(sorter.sortByColumn(records, 4));  // "名称", by GBK bytes: 丙 < 甲 < 乙
    EXPECT_EQ(accounts(), (std::vector<std::string>{"20", "100", "9"}));
    EXPECT_FALSE(sorter.sortByColumn(records, 13));
    EXPECT_EQ(accounts(), (std::vector<std::string>{"20", "100", "9"}));
}

// Every column sorts by its own field, smallest first on the first click:
// record 2 holds the smallest value of every column, record 1 the largest.
TEST(SubAccountSort, EachColumnSortsItsOwnFieldAscendingFirst) {
    auto record = [](int i) {
        const char* texts[] = {"b", "c", "a"};
        SubAccount s;
        s.account = std::vector<std::string>{"5", "30", "1"}[i];  // as numbers
        s.password = s.groupName = s.mainAccount = s.marginTemplate = s.feeTemplate = s.mac =
            s.remark = texts[i];
        s.name = std::vector<std::string>{"甲", "乙", "丙"}[i];  // GBK: 丙 < 甲 < 乙
        s.openDate = std::vector<int32_t>{20241231, 20250101, 20240101}[i];
        s.priorityFunds = std::vector<double>{2, 10, 1}[i];
        s.startInvestment = std::vector<double>{-1, 0.5, -2}[i];
        s.options = std::vector<int32_t>{1, 2, 0}[i];
        s.groupId = i;
        return s;
    };
    for (int column = 0; column < 13; ++column) {
        std::vector<SubAccount> records = {record(0), record(1), record(2)};
        auto order = [&records] {
            std::vector<int> ids;
            for (const SubAccount& s : records) ids.push_back(s.groupId);
            return ids;
        };
        SubAccountSorter sorter;
        ASSERT_TRUE(sorter.sortByColumn(records, column));
        EXPECT_EQ(order(), (std::vector<int>{2, 0, 1})) << "column " << column;
        ASSERT_TRUE(sorter.sortByColumn(records, column));
        EXPECT_EQ(order(), (std::vector<int>{1, 0, 2})) << "column " << column;
    }
}

}  // namespace
}  // namespace korvant
