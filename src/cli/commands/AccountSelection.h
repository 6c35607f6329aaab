#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/MainState.h"
#include "model/MainAccount.h"
#include "model/SubAccount.h"

// What the desk's user does with the mouse before an account operation:
// select a group in the groups tree, a tab, and rows of the list. Each
// lookup that fails shows its message box ("[提示] …") and returns nothing.
namespace CLI {
class App;
}

namespace korvant::cli {

class CliContext;

// Makes the group with `groupId` the current group and the tab of `list`
// the current tab, as a click on the group and the tab would, without the
// list query of the click. "no group ID" when the group is not cached.
bool chooseGroup(CliContext& context, int groupId, AccountList list);

// The options of a command that acts on one account of a group: --group ID
// and --account ACCOUNT.
struct AccountTarget {
    int group = -1;
    std::string account;

    // Declares both options; --group is required, --account unless
    // `accountRequired` is false.
    void add(CLI::App& app, const std::string& groupHelp, const std::string& accountHelp,
             bool accountRequired = true);
    // chooseGroup with the group of --group and the tab of `list`.
    bool choose(CliContext& context, AccountList list) const;
};

// The administrator with exactly this account in the current group: its row
// in the administrator cache, which is then the selected row. "no
// administrator ACCOUNT in group ID" when missing.
std::optional<int> findAdministrator(CliContext& context, const std::string& account);

// The sub-accounts of the current group with exactly these accounts, in the
// order asked. "no sub-account ACCOUNT in group ID" for each missing one.
std::optional<std::vector<SubAccount>> findSubAccounts(CliContext& context,
                                                       const std::vector<std::string>& accounts);

// The main account of the current first-level group with this account,
// then the selected row. "no main account ACCOUNT in group ID" when missing.
std::optional<MainAccount> findMainAccount(CliContext& context, const std::string& account);

// The row of the link list of the current second-level group, then the
// selected row. "main account ACCOUNT is not linked to group ID" when
// missing.
std::optional<int> findMainAccountLink(CliContext& context, const std::string& account);

}  // namespace korvant::cli
