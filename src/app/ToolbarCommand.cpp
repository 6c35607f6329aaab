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

namespace korvant {
namespace {

bool handled(const Desk& desk, ActionCode code) {
    return desk.dispatcher().hasHandler(code);
}

// New has its action; Modify and Delete theirs and a selected record.
bool listAvailable(const Desk& desk, ToolbarCommand command, ActionCode add, ActionCode modify,
                   ActionCode remove) {
    switch (command) {
        case ToolbarCommand::New:
            return handled(desk, add);
        case ToolbarCommand::Modify:
            return handled(desk, modify) && !desk.mainState().selectedRows.empty();
        case ToolbarCommand::Delete:
            return handled(desk, remove) && !desk.mainState().selectedRows.empty();
    }
    return false;
}

}  // namespace

bool toolbarCommandAvailable(const Desk& desk, ToolbarCommand command) {
    const MainState& state = desk.mainState();
    switch (state.view) {
        case ViewKind::Accounts: {
            if (state.group.id < 0) return false;
            if (state.selectedTab() == AdministratorTab)
                return listAvailable(desk, command, ActionCode::AddAdministrator,
                                     ActionCode::ModifyAdministrator,
                                     ActionCode::DeleteAdministrator);
            if (state.selectedTab() == MainAccountTab && state.strip != TabStrip::None) {
                // Modify and Delete say that main accounts do not allow it.
                if (command != ToolbarCommand::New) return true;
                return handled(desk, state.strip == TabStrip::TwoTab ? ActionCode::CreateMainAccount
                                                                     : ActionCode::LinkMainAccount);
            }
            if (state.strip == TabStrip::ThreeTab && state.selectedTab() == SubAccountTab)
                return listAvailable(desk, command, ActionCode::AddSubAccount,
                                     ActionCode::ModifySubAccount, ActionCode::DeleteSubAccount);
            return false;
        }
        case ViewKind::FeeRates:
            return command == ToolbarCommand::Modify && handled(desk, ActionCode::ModifyFeeRates);
        case ViewKind::MarginRates:
            return command == ToolbarCommand::Modify &&
                   handled(desk, ActionCode::ModifyMarginRates);
        case ViewKind::Risk:
            return handled(desk, command == ToolbarCommand::New ? ActionCode::AddRiskStrategy
                                 : command == ToolbarCommand::Modify
                                     ? ActionCode::ModifyRiskStrategy
                                     : ActionCode::DeleteRiskStrategy);
        default:
            return false;
    }
}

}  // namespace korvant
