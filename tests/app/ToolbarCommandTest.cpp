#include <gtest/gtest.h>

#include <vector>

#include "app/ActionDispatcher.h"
#include "app/Desk.h"
#include "app/ToolbarCommand.h"
#include "support/ScriptedPort.h"

namespace korvant {
namespace {

struct ToolbarFixture {
    test::ScriptedPort port;
    Desk desk{port};
    std::vector<ActionCode> sent;

    ToolbarFixture() {
        for (ActionCode code : {ActionCode::AddAdministrator, ActionCode::ModifyAdministrator,
                                ActionCode::DeleteAdministrator, ActionCode::AddSubAccount,
                                ActionCode::ModifySubAccount, ActionCode::DeleteSubAccount,
                                ActionCode::CreateMainAccount, ActionCode::LinkMainAccount,
                                ActionCode::ModifyFeeRates, ActionCode::AddRiskStrategy})
            desk.dispatcher().registerHandler(
                code, [this](const ActionMessage& m) { sent.push_back(m.code); });
        desk.mainState().view = ViewKind::Accounts;
    }
    void select(int id, const char* code, TabStrip strip, int tab) {
        MainState& s = desk.mainState();
        s.group.id = id;
        s.group.code = code;
        s.strip = strip;
        (strip == TabStrip::ThreeTab ? s.threeTabIndex : s.twoTabIndex) = tab;
    }
};

TEST(ToolbarCommand, RootGroupOnlyFromTheToolbarButtons) {
    ToolbarFixture f;
    EXPECT_FALSE(runToolbarCommand(f.desk, ToolbarCommand::New));  // no group selected
    f.select(1, "", TabStrip::TwoTab, AdministratorTab);
    EXPECT_FALSE(runToolbarCommand(f.desk, ToolbarCommand::New, true));
    EXPECT_TRUE(f.sent.empty());
    EXPECT_TRUE(runToolbarCommand(f.desk, ToolbarCommand::New));
    EXPECT_EQ(f.sent, std::vector<ActionCode>{ActionCode::AddAdministrator});
}

TEST(ToolbarCommand, MainAccountTabsRefuseModifyAndDelete) {
    ToolbarFixture f;
    f.select(2, "01", TabStrip::TwoTab, MainAccountTab);
    runToolbarCommand(f.desk, ToolbarCommand::New);
    runToolbarCommand(f.desk, ToolbarCommand::Modify);
    runToolbarCommand(f.desk, ToolbarCommand::Delete);
    f.select(5, "0101", TabStrip::ThreeTab, MainAccountTab);
    runToolbarCommand(f.desk, ToolbarCommand::New, true);
    runToolbarCommand(f.desk, ToolbarCommand::Delete, true);
    EXPECT_EQ(f.sent, (std::vector<ActionCode>{ActionCode::CreateMainAccount,
                                               ActionCode::LinkMainAccount}));
    EXPECT_EQ(
        f.port.messageTexts(),
        (std::vector<std::string>{"主账号不允许修改", "主账号不允许删除", "主账号不允许删除"}));
}

TEST(ToolbarCommand, SubAccountTabAndOtherViews) {
    ToolbarFixture f;
    f.select(5, "0101", TabStrip::ThreeTab, SubAccountTab);
    runToolbarCommand(f.desk, ToolbarCommand::New);
    runToolbarCommand(f.desk, ToolbarCommand::Modify);
    runToolbarCommand(f.desk, ToolbarCommand::Delete);
    f.desk.mainState().view = ViewKind::FeeRates;
    EXPECT_FALSE(runToolbarCommand(f.desk, ToolbarCommand::New));
    runToolbarCommand(f.desk, ToolbarCommand::Modify);
    f.desk.mainState().view = ViewKind::Risk;
    runToolbarCommand(f.desk, ToolbarCommand::New);
    EXPECT_EQ(f.sent,
              (std::vector<ActionCode>{ActionCode::AddSubAccount, ActionCode::ModifySubAccount,
                                       ActionCode::DeleteSubAccount, ActionCode::ModifyFeeRates,
                                       ActionCode::AddRiskStrategy}));
}

// The buttons' enabled state agrees with what the command would do: off
// without a group, without a handler, for Modify and Delete of a list
// without a selected record, and for commands a view does not have.
TEST(ToolbarCommand, AvailableExactlyWhenItWouldAct) {
    ToolbarFixture f;
    auto available = [&f](ToolbarCommand command) {
        return toolbarCommandAvailable(f.desk, command);
    };
    EXPECT_FALSE(available(ToolbarCommand::New));  // no group selected
    f.select(5, "0101", TabStrip::ThreeTab, SubAccountTab);
    EXPECT_TRUE(available(ToolbarCommand::New));
    EXPECT_FALSE(available(ToolbarCommand::Modify));
    EXPECT_FALSE(available(ToolbarCommand::Delete));
    f.desk.mainState().selectedRows = {0};
    EXPECT_TRUE(available(ToolbarCommand::Modify));
    EXPECT_TRUE(available(ToolbarCommand::Delete));
    // Main-account tabs: Modify and Delete say why they refuse.
    f.desk.mainState().selectedRows.clear();
    f.select(5, "0101", TabStrip::ThreeTab, MainAccountTab);
    EXPECT_TRUE(available(ToolbarCommand::New));
    EXPECT_TRUE(available(ToolbarCommand::Modify));
    // Fee rates: Modify only; risk: only the handlers registered.
    f.desk.mainState().view = ViewKind::FeeRates;
    EXPECT_FALSE(available(ToolbarCommand::New));
    EXPECT_TRUE(available(ToolbarCommand::Modify));
    EXPECT_FALSE(available(ToolbarCommand::Delete));
    f.desk.mainState().view = ViewKind::MarginRates;
    EXPECT_FALSE(available(ToolbarCommand::Modify));  // no handler in the fixture
    f.desk.mainState().view = ViewKind::Risk;
    EXPECT_TRUE(available(ToolbarCommand::New));
    EXPECT_FALSE(available(ToolbarCommand::Delete));
    f.desk.mainState().view = ViewKind::Logs;
    EXPECT_FALSE(available(ToolbarCommand::New));
    // Whatever is available acts: nothing available is silently a no-op.
    for (ViewKind view : {ViewKind::Accounts, ViewKind::FeeRates, ViewKind::Risk})
        for (ToolbarCommand command :
             {ToolbarCommand::New, ToolbarCommand::Modify, ToolbarCommand::Delete}) {
            f.desk.mainState().view = view;
            if (available(command)) {
                EXPECT_TRUE(runToolbarCommand(f.desk, command));
            }
        }
}

}  // namespace
}  // namespace korvant
