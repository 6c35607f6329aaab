#include "view/ToolbarCommand.h"

#include "app/actions/ActionDispatcher.h"
#include "view/DeskView.h"

namespace korvant {

namespace {

constexpr int RootGroupId = 1;

bool send(DeskView& view, ActionCode code) {
    view.desk().dispatcher().send(code);
    return true;
}

// One row of the table: the action of New, Modify and Delete.
bool pick(DeskView& view, ToolbarCommand command, ActionCode add, ActionCode modify,
          ActionCode remove) {
    switch (command) {
        case ToolbarCommand::New:
            return send(view, add);
        case ToolbarCommand::Modify:
            return send(view, modify);
        case ToolbarCommand::Delete:
            return send(view, remove);
    }
    return false;
}

bool mainAccountTab(DeskView& view, ToolbarCommand command, ActionCode add) {
    switch (command) {
        case ToolbarCommand::New:
            return send(view, add);
        case ToolbarCommand::Modify:
            view.desk().port().info("主账号不允许修改");
            return true;
        case ToolbarCommand::Delete:
            view.desk().port().info("主账号不允许删除");
            return true;
    }
    return false;
}

const char* const NoGroupSelected = "请先在左侧的组列表中选择一个组。";

// By command: New, Modify, Delete.
constexpr const char* NotInThisView[] = {"当前列表不能新建。", "当前列表不能修改。",
                                         "当前列表不能删除。"};

const char* notInThisView(ToolbarCommand command) {
    return NotInThisView[static_cast<int>(command)];
}

// Whether the accounts view's current tab has a row in the command table.
bool accountsTabActs(const MainState& state) {
    const int tab = state.selectedTab();
    if (tab == AdministratorTab) return true;
    if (tab == MainAccountTab)
        return state.strip == TabStrip::TwoTab || state.strip == TabStrip::ThreeTab;
    return state.strip == TabStrip::ThreeTab && tab == SubAccountTab;
}

bool accountsView(DeskView& view, ToolbarCommand command) {
    const MainState& state = view.state();
    const bool administrators = state.selectedTab() == AdministratorTab;
    if (administrators)
        return pick(view, command, ActionCode::AddAdministrator, ActionCode::ModifyAdministrator,
                    ActionCode::DeleteAdministrator);
    if (state.strip == TabStrip::TwoTab && state.selectedTab() == MainAccountTab)
        return mainAccountTab(view, command, ActionCode::CreateMainAccount);
    if (state.strip == TabStrip::ThreeTab && state.selectedTab() == MainAccountTab)
        return mainAccountTab(view, command, ActionCode::LinkMainAccount);
    if (state.strip == TabStrip::ThreeTab && state.selectedTab() == SubAccountTab)
        return pick(view, command, ActionCode::AddSubAccount, ActionCode::ModifySubAccount,
                    ActionCode::DeleteSubAccount);
    return false;
}

}  // namespace

ToolbarAvailability toolbarCommandAvailability(const DeskView& view, ToolbarCommand command,
                                               bool fromCommandId) {
    const MainState& state = view.state();
    switch (state.view) {
        case ViewKind::Accounts:
            // A search over "全部" and a refresh leave no group selected,
            // even while the tree still shows one highlighted.
            if (state.group.id < 0) return {false, NoGroupSelected};
            if (fromCommandId && state.group.id == RootGroupId) return {false, {}};
            if (!accountsTabActs(state)) return {false, notInThisView(command)};
            return {true, {}};
        case ViewKind::FeeRates:
        case ViewKind::MarginRates:
            if (command != ToolbarCommand::Modify) return {false, notInThisView(command)};
            return {true, {}};
        case ViewKind::Risk:
            return {true, {}};
        default:
            return {false, notInThisView(command)};
    }
}

bool runToolbarCommand(DeskView& view, ToolbarCommand command, bool fromCommandId) {
    const ToolbarAvailability availability =
        toolbarCommandAvailability(view, command, fromCommandId);
    if (!availability.available) {
        if (!availability.reason.empty()) view.desk().port().info(availability.reason);
        return false;
    }
    switch (view.state().view) {
        case ViewKind::Accounts:
            return accountsView(view, command);
        case ViewKind::FeeRates:
            return command == ToolbarCommand::Modify && send(view, ActionCode::ModifyFeeRates);
        case ViewKind::MarginRates:
            return command == ToolbarCommand::Modify && send(view, ActionCode::ModifyMarginRates);
        case ViewKind::Risk:
            return pick(view, command, ActionCode::AddRiskStrategy, ActionCode::ModifyRiskStrategy,
                        ActionCode::DeleteRiskStrategy);
        default:
            return false;
    }
}

}  // namespace korvant

namespace korvant {
namespace {

bool handled(const DeskView& view, ActionCode code) {
    return view.desk().dispatcher().hasHandler(code);
}

// New has its action; Modify and Delete theirs and a selected record.
bool listAvailable(const DeskView& view, ToolbarCommand command, ActionCode add, ActionCode modify,
                   ActionCode remove) {
    switch (command) {
        case ToolbarCommand::New:
            return handled(view, add);
        case ToolbarCommand::Modify:
            return handled(view, modify) && !view.state().selectedRows.empty();
        case ToolbarCommand::Delete:
            return handled(view, remove) && !view.state().selectedRows.empty();
    }
    return false;
}

// A row of the view's list is chosen (a rate of a chosen template).
bool rowChosen(const MainState& state) {
    auto it = state.pagers.find(state.view);
    return it != state.pagers.end() && it->second.rowChosen && it->second.rowChosen();
}

}  // namespace

bool toolbarCommandAvailable(const DeskView& view, ToolbarCommand command) {
    const MainState& state = view.state();
    if (!toolbarCommandAvailability(view, command).available)
        // Without a chosen group the button stays on and says to choose one
        // (the user can put that right); a view without the command has it
        // off.
        return state.view == ViewKind::Accounts && state.group.id < 0;
    switch (state.view) {
        case ViewKind::Accounts:
            if (state.selectedTab() == AdministratorTab)
                return listAvailable(view, command, ActionCode::AddAdministrator,
                                     ActionCode::ModifyAdministrator,
                                     ActionCode::DeleteAdministrator);
            if (state.selectedTab() == MainAccountTab) {
                // Modify and Delete say that main accounts do not allow it.
                if (command != ToolbarCommand::New) return true;
                return handled(view, state.strip == TabStrip::TwoTab ? ActionCode::CreateMainAccount
                                                                     : ActionCode::LinkMainAccount);
            }
            return listAvailable(view, command, ActionCode::AddSubAccount,
                                 ActionCode::ModifySubAccount, ActionCode::DeleteSubAccount);
        case ViewKind::FeeRates:
            return handled(view, ActionCode::ModifyFeeRates) && rowChosen(state);
        case ViewKind::MarginRates:
            return handled(view, ActionCode::ModifyMarginRates) && rowChosen(state);
        case ViewKind::Risk:
            return handled(view, command == ToolbarCommand::New ? ActionCode::AddRiskStrategy
                                 : command == ToolbarCommand::Modify
                                     ? ActionCode::ModifyRiskStrategy
                                     : ActionCode::DeleteRiskStrategy) &&
                   (command == ToolbarCommand::New || rowChosen(state));
        default:
            return false;
    }
}

}  // namespace korvant
