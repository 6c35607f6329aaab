#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/session/Permissions.h"
#include "support/ScriptedPort.h"

namespace korvant {
namespace {

using G = GatedOperation;

TEST(Permissions, CaptionsInBitOrder) {
    const auto& captions = permissionCaptions();
    EXPECT_STREQ(captions[0], "添加子账号");
    EXPECT_STREQ(captions[3], "新建组和管理员");
    EXPECT_STREQ(captions[10], "报表管理权限");
    EXPECT_STREQ(captions[13], "查看日志");
    EXPECT_STREQ(captions[19], "修改持仓记录");
}

TEST(Permissions, FirstViewFirstMatchWins) {
    EXPECT_EQ(firstView(0), -1);
    // Only "add sub-account": the accounts button shows, but the first
    // view looks at 0x2 and 0x4 only.
    EXPECT_EQ(firstView(0x1), -1);
    EXPECT_EQ(firstView(0x2), 2);
    EXPECT_EQ(firstView(0x4 | 0x100 | 0x2000), 2);
    EXPECT_EQ(firstView(0x100 | 0x200), 3);
    EXPECT_EQ(firstView(0x200 | 0x80), 4);
    EXPECT_EQ(firstView(0x80 | 0x400), 7);
    EXPECT_EQ(firstView(0x400 | 0x2000), 5);
    EXPECT_EQ(firstView(0x2000), 8);
    EXPECT_EQ(firstView(0x1000 | 0x800 | 0x40 | 0x38 | 0xFFF00000u), -1);
    EXPECT_EQ(firstView(0xFFFFFFFFu), 2);
}

TEST(Permissions, ButtonsAndMenu) {
    ViewButtons none = viewButtons(0);
    EXPECT_FALSE(none.accounts || none.fee || none.margin || none.risk || none.reports ||
                 none.logs);
    ViewMenuEnable noMenu = viewMenuEnable(0);
    EXPECT_FALSE(noMenu.accounts || noMenu.fee || noMenu.margin || noMenu.risk || noMenu.reports ||
                 noMenu.logs);

    EXPECT_TRUE(viewButtons(0x1).accounts);
    EXPECT_TRUE(viewMenuEnable(0x1).accounts);
    // Bits 3 to 5 enable the menu item but show no button.
    EXPECT_FALSE(viewButtons(0x20).accounts);
    EXPECT_TRUE(viewMenuEnable(0x20).accounts);
    EXPECT_FALSE(viewMenuEnable(0x40).accounts);

    // Logs: the first view may be the log view while its button and menu
    // item stay off, because they follow 0x1000.
    EXPECT_EQ(firstView(0x2000), 8);
    EXPECT_FALSE(viewButtons(0x2000).logs);
    EXPECT_FALSE(viewMenuEnable(0x2000).logs);
    EXPECT_TRUE(viewButtons(0x1000).logs);
    EXPECT_TRUE(viewMenuEnable(0x1000).logs);

    ViewButtons some = viewButtons(0x100 | 0x80 | 0x200 | 0x400);
    EXPECT_TRUE(some.fee && some.margin && some.risk && some.reports);
    EXPECT_FALSE(some.accounts || some.logs);
    ViewMenuEnable menu = viewMenuEnable(0x100 | 0x400);
    EXPECT_TRUE(menu.fee && menu.reports);
    EXPECT_FALSE(menu.margin || menu.risk);
}

TEST(Permissions, GateShowsTheRefusalAndSendsNothing) {
    test::ScriptedPort port;
    EXPECT_TRUE(gate(port, 0x8, G::AddGroup));
    EXPECT_TRUE(port.messages.empty());

    EXPECT_FALSE(gate(port, 0x7, G::AddGroup));
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, "  没有权限添加新组");
    EXPECT_EQ(port.messages[0].caption, "提示");
    EXPECT_EQ(port.messages[0].icon, MessageIcon::Information);

    EXPECT_FALSE(gate(port, 0, G::DeleteAdministrator));
    EXPECT_FALSE(gate(port, 0, G::DeleteSubAccount));
    EXPECT_EQ(port.messages[1].text, "你没有删除管理员的权限。");
    EXPECT_EQ(port.messages[1].icon, MessageIcon::Error);
    EXPECT_EQ(port.messages[2].text, "你没有删除子账号的权限。");
    EXPECT_EQ(port.messages[2].icon, MessageIcon::Error);

    // Adding a main account needs 0x1, not 0x10000; deleting one needs 0x20.
    EXPECT_FALSE(allowed(0x10000, G::AddMainAccount));
    EXPECT_TRUE(allowed(0x1, G::AddMainAccount));
    EXPECT_FALSE(allowed(0x40000, G::DeleteMainAccount));
    EXPECT_TRUE(allowed(0x20, G::DeleteMainAccount));
}

TEST(Permissions, EveryRowOfTheTable) {
    struct Row {
        G op;
        uint32_t bit;
        const char* text;
    };
    const Row rows[] = {
        {G::AddAdministrator, 0x8, "你没有添加管理员的权限。"},
        {G::ModifyAdministrator, 0x10, "你没有修改管理员的权限。"},
        {G::DeleteAdministrator, 0x20, "你没有删除管理员的权限。"},
        {G::AddGroup, 0x8, "  没有权限添加新组"},
        {G::ModifyGroup, 0x10, "  没有权限修改组"},
        {G::AddSubAccount, 0x1, "  没有权限添加新用户"},
        {G::ModifySubAccount, 0x2, "你没有修改子账号的权限。"},
        {G::DeleteSubAccount, 0x4, "你没有删除子账号的权限。"},
        {G::AddMainAccount, 0x1, "  没有权限添加主账户"},
        {G::DeleteMainAccount, 0x20, "  没有删除主账号的权限"},
        {G::Deposit, 0x40, "  没有权限出入金"},
        {G::ModifyMarginRates, 0x80, "  没有权限修改保证金率"},
        {G::ImportMarginRates, 0x80, "  没有权限导入保证金"},
        {G::ExportMarginRates, 0x80, "  没有权限导出保证金"},
        {G::ModifyFeeRates, 0x100, "  没有权限修改手续费"},
        {G::ImportFeeRates, 0x100, "  没有权限导入手续费"},
        {G::ExportFeeRates, 0x100, "  没有权限导出手续费"},
        {G::AddRiskStrategy, 0x200, "  没有权限添加风控模板"},
        {G::ModifyRiskStrategy, 0x200, "  没有权限修改风控策略"},
        {G::DeleteRiskStrategy, 0x200, "  没有权限删除风控策略"},
        {G::LoadRiskStrategy, 0x200, "  没有权限加载风控策略"},
        {G::AddRiskRule, 0x200, "没有添加风控规则的权限。  "},
        {G::ModifyRiskRule, 0x200, "你没有修改风控规则的权限。  "},
        {G::DeleteRiskRule, 0x200, "没有删除风控规则的权限。  "},
        {G::Settlement, 0x800, "  没有结算权限"},
    };
    for (const Row& row : rows) {
        test::ScriptedPort port;
        EXPECT_EQ(requiredBit(row.op), row.bit) << row.text;
        EXPECT_TRUE(gate(port, row.bit, row.op)) << row.text;
        // Every other bit set is still a refusal.
        EXPECT_FALSE(gate(port, ~row.bit, row.op)) << row.text;
        ASSERT_EQ(port.messages.size(), 1u);
        EXPECT_EQ(port.messages[0].text, row.text);
        EXPECT_EQ(port.messages[0].caption, "提示");
    }
}

}  // namespace
}  // namespace korvant
