#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/AccountColumns.h"

namespace korvant {
namespace {

std::vector<std::string> captions(std::span<const ListColumn> columns) {
    std::vector<std::string> out;
    for (const ListColumn& c : columns) out.push_back(c.caption);
    return out;
}

TEST(AccountColumns, NumberFormats) {
    EXPECT_EQ(formatAmount(1234.5), "1234.50");
    EXPECT_EQ(formatAmount(0), "0.00");
    EXPECT_EQ(formatTrimmed(0.0003, 6), "0.0003");
    EXPECT_EQ(formatTrimmed(2, 6), "2");
    EXPECT_EQ(formatTrimmed(0, 6), "0");
    EXPECT_EQ(formatTrimmed(0.00000049, 6), "0");
    EXPECT_EQ(formatTrimmed(100, 6), "100");
    EXPECT_EQ(formatTrimmed(1.5, 6), "1.5");
    // Very large values fit the buffer.
    EXPECT_EQ(formatAmount(1e300).size(), 304u);
}

TEST(AccountColumns, MainAccountShowsUnlimitedAndHidesTheFeeBlock) {
    auto columns = mainAccountListColumns();
    EXPECT_EQ(captions(columns),
              (std::vector<std::string>{"主账号", "密码", "初始资金", "可分配资金", "优先资金",
                                        "期初投入", "费率", "费率", "费率", "费率", "费率"}));
    for (std::size_t i = 0; i < columns.size(); ++i) EXPECT_EQ(columns[i].hidden, i >= 6) << i;

    MainAccount m;
    m.account = "M1";
    m.distributableFunds = 500;
    m.priorityFunds = 1.005;
    m.startInvestment = 20000;
    m.feeRates = {0.0012, 0.5, 0, 1, 0.000001};
    EXPECT_EQ(mainAccountListCells(m),
              (std::vector<std::string>{"M1", "*****", "不限", "不限", "1.00", "20000.00", "0.0012",
                                        "0.5", "0", "1", "0.000001"}));
    m.initialFunds = 1000;
    auto cells = mainAccountListCells(m);
    EXPECT_EQ(cells[2], "1000.00");
    EXPECT_EQ(cells[3], "500.00");
}

TEST(AccountColumns, LinkFundsFollowTheParentsLimit) {
    EXPECT_EQ(captions(mainAccountLinkListColumns()),
              (std::vector<std::string>{"隶属主账号", "可分配资金"}));
    MainAccountLink link{"M1", 88.8};
    std::vector<MainAccount> parents(2);
    parents[0].account = "M0";
    parents[0].initialFunds = 5;
    parents[1].account = "M1";
    EXPECT_EQ(mainAccountLinkListCells(link, parents)[1], "不限");
    parents[1].initialFunds = 10;
    EXPECT_EQ(mainAccountLinkListCells(link, parents)[1], "88.80");
    EXPECT_EQ(mainAccountLinkListCells(link, {})[1], "");
    // Names compare exactly.
    link.account = "m1";
    EXPECT_EQ(mainAccountLinkListCells(link, parents)[1], "");
}

TEST(AccountColumns, AdministratorAndSubAccountRows) {
    EXPECT_EQ(
        captions(administratorListColumns()),
        (std::vector<std::string>{"账号", "密码", "权限", "隶属", "名称", "监控范围", "监控范围"}));
    Administrator a;
    a.account = "op1";
    a.password = "pw";
    a.permissionMask = 0x80000001u;
    a.groupName = "一部";
    a.name = "王五";
    a.monitorFrom = 0;
    a.monitorTo = 800100;
    EXPECT_EQ(administratorListCells(a),
              (std::vector<std::string>{"op1", "pw", "2147483649", "一部", "王五", "0", "800100"}));

    auto columns = subAccountListColumns();
    EXPECT_EQ(captions(columns),
              (std::vector<std::string>{"子账号", "密码", "隶属", "开户日期", "名称", "所属主账号",
                                        "保证金率", "手续费率", "优先资金", "期初投入", "MAC限定",
                                        "备注", "属性"}));
    EXPECT_TRUE(columns.back().hidden);
    EXPECT_EQ(columns.back().width, 0);
    SubAccount s;
    s.account = "800001";
    s.password = "123";
    s.groupName = "二级";
    s.openDate = 20240105;
    s.name = "赵六";
    s.mainAccount = "M1";
    s.marginTemplate = "保证金A";
    s.feeTemplate = "手续费B";
    s.priorityFunds = 10;
    s.startInvestment = 2.346;
    s.mac = "AA";
    s.remark = "r";
    s.options = -1;
    EXPECT_EQ(subAccountListCells(s),
              (std::vector<std::string>{"800001", "123", "二级", "20240105", "赵六", "M1",
                                        "保证金A", "手续费B", "10.00", "2.35", "AA", "r", "-1"}));
    EXPECT_EQ(subAccountPageText(PageCursor{3, 0}), "第 1/3 页");
}

}  // namespace
}  // namespace korvant
