#include "app/ToolbarCommand.h"

#include "app/ActionDispatcher.h"
#include "app/Desk.h"

namespace korvant {

namespace {

constexpr int RootGroupId = 1;

bool send(Desk& desk, ActionCode code) {
    desk.dispatcher().send(code);
    return true;
}

// One row of the table: the action of New, Modify and Delete.
bool pick(Desk& desk, ToolbarCommand command, ActionCode add, ActionCode modify,
          ActionCode remove) {
    switch (command) {
        case ToolbarCommand::New:
            return send(desk, add);
        case ToolbarCommand::Modify:
            return send(desk, modify);
        case ToolbarCommand::Delete:
            return send(desk, remove);
    }
    return false;
}

bool mainAccountTab(Desk& desk, ToolbarCommand command, ActionCode add) {
    switch (command) {
        case ToolbarCommand::New:
            return send(desk, add);
        case ToolbarCommand::Modify:
            desk.port().info("主账号不允许修改");
            return true;
        case ToolbarCommand::Delete:
            desk.port().info("主账号不允许删除");
            return true;
    }
    return false;
}

bool accountsView(Desk& desk, ToolbarCommand command, bool fromCommandId) {
    const MainState& state = desk.mainState();
    if (state.group.id < 0) return false;
    if (fromCommandId && state.group.id == RootGroupId) return false;
    const bool administrators = state.selectedTab() == AdministratorTab;
    if (administrators)
        return pick(desk, command, ActionCode::AddAdministrator, ActionCode::ModifyAdministrator,
                    ActionCode::DeleteAdministrator);
    if (state.strip == TabStrip::TwoTab && state.selectedTab() == MainAccountTab)
        return mainAccountTab(desk, command, ActionCode::CreateMainAccount);
    if (state.strip == TabStrip::ThreeTab && state.selectedTab() == MainAccountTab)
        return mainAccountTab(desk, command, ActionCode::LinkMainAccount);
    if (state.strip == TabStrip::ThreeTab && state.selectedTab() == SubAccountTab)
        return pick(desk, command, ActionCode::AddSubAccount, ActionCode::ModifySubAccount,
                    ActionCode::DeleteSubAccount);
    return false;
}

}  // namespace

bool runToolbarCommand(Desk& desk, ToolbarCommand command, bool fromCommandId) {
    switch (desk.mainState().view) {
        case ViewKind::Accounts:
            return accountsView(desk, command, fromCommandId);
        case ViewKind::FeeRates:
            return command == ToolbarCommand::Modify && send(desk, ActionCode::ModifyFeeRates);
        case ViewKind::MarginRates:
            return command == ToolbarCommand::Modify && send(desk, ActionCode::ModifyMarginRates);
        case ViewKind::Risk:
            return pick(desk, command, ActionCode::AddRiskStrategy, ActionCode::ModifyRiskStrategy,
                        ActionCode::DeleteRiskStrategy);
        default:
            return false;
    }
}

}  // namespace korvant
