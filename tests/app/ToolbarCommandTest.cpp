#include <gtest/gtest.h>

#include <vector>

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "app/lists/AdvancedSearch.h"
#include "support/ScriptedPort.h"
#include "view/DeskView.h"
#include "view/ToolbarCommand.h"

namespace korvant {
namespace {

struct ToolbarFixture {
    test::ScriptedPort port;
    Desk desk{port};
    DeskView view{desk};
    std::vector<ActionCode> sent;

    ToolbarFixture() {
        for (ActionCode code : {ActionCode::AddAdministrator, ActionCode::ModifyAdministrator,
                                ActionCode::DeleteAdministrator, ActionCode::AddSubAccount,
                                ActionCode::ModifySubAccount, ActionCode::DeleteSubAccount,
                                ActionCode::CreateMainAccount, ActionCode::LinkMainAccount,
                                ActionCode::ModifyFeeRates, ActionCode::AddRiskStrategy})
            desk.dispatcher().registerHandler(
                code, [this](const ActionMessage& m) { sent.push_back(m.code); });
        view.state().view = ViewKind::Accounts;
    }
    void select(int id, const char* code, TabStrip strip, int tab) {
        MainState& s = view.state();
        s.group.id = id;
        s.group.code = code;
        s.strip = strip;
        (strip == TabStrip::ThreeTab ? s.threeTabIndex : s.twoTabIndex) = tab;
    }
};

TEST(ToolbarCommand, RootGroupOnlyFromTheToolbarButtons) {
    ToolbarFixture f;
    EXPECT_FALSE(runToolbarCommand(f.view, ToolbarCommand::New));  // no group selected
    f.select(1, "", TabStrip::TwoTab, AdministratorTab);
    EXPECT_FALSE(runToolbarCommand(f.view, ToolbarCommand::New, true));
    EXPECT_TRUE(f.sent.empty());
    EXPECT_TRUE(runToolbarCommand(f.view, ToolbarCommand::New));
    EXPECT_EQ(f.sent, std::vector<ActionCode>{ActionCode::AddAdministrator});
}

TEST(ToolbarCommand, MainAccountTabsRefuseModifyAndDelete) {
    ToolbarFixture f;
    f.select(2, "01", TabStrip::TwoTab, MainAccountTab);
    runToolbarCommand(f.view, ToolbarCommand::New);
    runToolbarCommand(f.view, ToolbarCommand::Modify);
    runToolbarCommand(f.view, ToolbarCommand::Delete);
    f.select(5, "0101", TabStrip::ThreeTab, MainAccountTab);
    runToolbarCommand(f.view, ToolbarCommand::New, true);
    runToolbarCommand(f.view, ToolbarCommand::Delete, true);
    EXPECT_EQ(f.sent, (std::vector<ActionCode>{ActionCode::CreateMainAccount,
                                               ActionCode::LinkMainAccount}));
    EXPECT_EQ(
        f.port.messageTexts(),
        (std::vector<std::string>{"主账号不允许修改", "主账号不允许删除", "主账号不允许删除"}));
}

TEST(ToolbarCommand, SubAccountTabAndOtherViews) {
    ToolbarFixture f;
    f.select(5, "0101", TabStrip::ThreeTab, SubAccountTab);
    runToolbarCommand(f.view, ToolbarCommand::New);
    runToolbarCommand(f.view, ToolbarCommand::Modify);
    runToolbarCommand(f.view, ToolbarCommand::Delete);
    f.view.state().view = ViewKind::FeeRates;
    EXPECT_FALSE(runToolbarCommand(f.view, ToolbarCommand::New));
    runToolbarCommand(f.view, ToolbarCommand::Modify);
    f.view.state().view = ViewKind::Risk;
    runToolbarCommand(f.view, ToolbarCommand::New);
    EXPECT_EQ(f.sent,
              (std::vector<ActionCode>{ActionCode::AddSubAccount, ActionCode::ModifySubAccount,
                                       ActionCode::DeleteSubAccount, ActionCode::ModifyFeeRates,
                                       ActionCode::AddRiskStrategy}));
}

TEST(ToolbarCommand, SaysWhyItDoesNothing) {
    ToolbarFixture f;
    // After a search over "全部" or a refresh no group is selected.
    f.select(-1, "", TabStrip::ThreeTab, SubAccountTab);
    for (ToolbarCommand command :
         {ToolbarCommand::New, ToolbarCommand::Modify, ToolbarCommand::Delete}) {
        EXPECT_FALSE(toolbarCommandAvailability(f.view, command).available);
        EXPECT_FALSE(runToolbarCommand(f.view, command));
    }
    EXPECT_EQ(f.port.messageTexts(),
              std::vector<std::string>(3, "请先在左侧的组列表中选择一个组。"));
    f.port.clearRecords();

    // The root group through the command identifiers: quietly nothing.
    f.select(1, "", TabStrip::TwoTab, AdministratorTab);
    EXPECT_FALSE(toolbarCommandAvailability(f.view, ToolbarCommand::New, true).available);
    EXPECT_FALSE(runToolbarCommand(f.view, ToolbarCommand::New, true));
    EXPECT_TRUE(f.port.messages.empty());
    EXPECT_TRUE(toolbarCommandAvailability(f.view, ToolbarCommand::New).available);

    f.view.state().view = ViewKind::MarginRates;
    EXPECT_FALSE(runToolbarCommand(f.view, ToolbarCommand::Delete));
    EXPECT_TRUE(toolbarCommandAvailability(f.view, ToolbarCommand::Modify).available);
    f.view.state().view = ViewKind::Logs;
    EXPECT_FALSE(runToolbarCommand(f.view, ToolbarCommand::New));
    EXPECT_EQ(f.port.messageTexts(),
              (std::vector<std::string>{"当前列表不能删除。", "当前列表不能新建。"}));
    EXPECT_TRUE(f.sent.empty());
}

TEST(AdvancedSearch, ASearchWithoutAnyFieldItReadsSaysWhy) {
    test::ScriptedPort port;
    AdvancedSearchForm form;
    form.openingDate = "20260102";
    EXPECT_FALSE(validateAdvancedSearchForm(port, form));
    EXPECT_EQ(form.refusedField, "openingDate");
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].text.find("开户日期"), std::string::npos);

    form.openingDate.clear();
    EXPECT_FALSE(validateAdvancedSearchForm(port, form));
    EXPECT_EQ(port.lastMessage().text, "请至少填写用户名、密码或备注中的一项。");

    form.remark = "vip";
    EXPECT_TRUE(validateAdvancedSearchForm(port, form));
    EXPECT_EQ(form.refusedField, "");
}

TEST(AdvancedSearch, SearchesTheRangeWithWhatWasTyped) {
    ToolbarFixture f;
    std::vector<SearchFilter> searched;
    f.desk.dispatcher().registerHandler(ActionCode::Search, [&](const ActionMessage& m) {
        if (const auto* filter = std::get_if<SearchFilter>(&m.arg)) searched.push_back(*filter);
    });
    f.port.queueForm<AdvancedSearchForm>([](AdvancedSearchForm& form) {
        form.openingDate = "20260102";  // refused: the dialog stays open
        return true;
    });
    f.port.queueForm<AdvancedSearchForm>([](AdvancedSearchForm& form) {
        form.account = "1001";
        return true;
    });
    EXPECT_TRUE(runAdvancedSearch(f.desk, -1));
    ASSERT_EQ(searched.size(), 1u);
    EXPECT_EQ(searched[0].account, "1001");
    EXPECT_EQ(searched[0].groupId, -1);
    EXPECT_EQ(searched[0].flags, SearchFilter::AccountFlag);
    EXPECT_EQ(f.port.forms.at(0).refusals, 1);
}

// The buttons' enabled state agrees with what the command would do: off
// without a handler, for Modify and Delete of a list without a selected
// record, and for commands a view does not have; on without a group, to say
// that one must be chosen.
TEST(ToolbarCommand, AvailableExactlyWhenItWouldAct) {
    ToolbarFixture f;
    auto available = [&f](ToolbarCommand command) {
        return toolbarCommandAvailable(f.view, command);
    };
    EXPECT_TRUE(available(ToolbarCommand::New));  // no group selected: says so
    EXPECT_FALSE(runToolbarCommand(f.view, ToolbarCommand::New));
    EXPECT_EQ(f.port.messageTexts().size(), 1u);
    f.select(5, "0101", TabStrip::ThreeTab, SubAccountTab);
    EXPECT_TRUE(available(ToolbarCommand::New));
    EXPECT_FALSE(available(ToolbarCommand::Modify));
    EXPECT_FALSE(available(ToolbarCommand::Delete));
    f.view.state().selectedRows = {0};
    EXPECT_TRUE(available(ToolbarCommand::Modify));
    EXPECT_TRUE(available(ToolbarCommand::Delete));
    // Main-account tabs: Modify and Delete say why they refuse.
    f.view.state().selectedRows.clear();
    f.select(5, "0101", TabStrip::ThreeTab, MainAccountTab);
    EXPECT_TRUE(available(ToolbarCommand::New));
    EXPECT_TRUE(available(ToolbarCommand::Modify));
    // Fee rates: Modify only, and only with a rate chosen in the list;
    // risk: only the handlers registered.
    f.view.state().view = ViewKind::FeeRates;
    bool rateChosen = false;
    f.view.state().pagers[ViewKind::FeeRates].rowChosen = [&rateChosen] { return rateChosen; };
    EXPECT_FALSE(available(ToolbarCommand::New));
    EXPECT_FALSE(available(ToolbarCommand::Modify));
    rateChosen = true;
    EXPECT_TRUE(available(ToolbarCommand::Modify));
    EXPECT_FALSE(available(ToolbarCommand::Delete));
    f.view.state().view = ViewKind::MarginRates;
    EXPECT_FALSE(available(ToolbarCommand::Modify));  // no handler in the fixture
    f.view.state().view = ViewKind::Risk;
    EXPECT_TRUE(available(ToolbarCommand::New));
    EXPECT_FALSE(available(ToolbarCommand::Delete));
    f.view.state().view = ViewKind::Logs;
    EXPECT_FALSE(available(ToolbarCommand::New));
    // Whatever is available with a group acts.
    for (ViewKind view : {ViewKind::Accounts, ViewKind::FeeRates, ViewKind::Risk})
        for (ToolbarCommand command :
             {ToolbarCommand::New, ToolbarCommand::Modify, ToolbarCommand::Delete}) {
            f.view.state().view = view;
            if (available(command)) {
                EXPECT_TRUE(runToolbarCommand(f.view, command));
            }
        }
}

}  // namespace
}  // namespace korvant
