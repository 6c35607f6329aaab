#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/desk/AccountList.h"
#include "app/lists/CurrentGroup.h"
#include "model/Administrator.h"
#include "model/Group.h"
#include "model/MainAccount.h"
#include "model/SubAccount.h"

// The targets of the account commands, looked up from their options: the
// group of --group in the group cache, an account in the list of that
// group (every page read with the account as its keyword). Each lookup that
// fails shows its message box ("[提示] …") and returns nothing.
namespace CLI {
class App;
}

namespace korvant::cli {

class CliContext;

// The cached group with `groupId`; "没有组 ID" when the cache has none.
std::optional<Group> findGroup(CliContext& context, int groupId);

// The group as the operations name it: id, code and name.
CurrentGroup groupOf(const Group& group);

// The options of a command that acts on one account of a group: --group ID
// and --account ACCOUNT.
struct AccountTarget {
    int group = -1;
    std::string account;

    // Declares both options; --group is required, --account unless
    // `accountRequired` is false.
    void add(CLI::App& app, const std::string& groupHelp, const std::string& accountHelp,
             bool accountRequired = true);
    // findGroup with the group of --group.
    std::optional<Group> findGroup(CliContext& context) const;
};

// The row of the administrator with exactly this account in the
// administrator cache, read for `group`. "组 ID 中没有管理员 ACCOUNT" when
// missing.
std::optional<int> findAdministrator(CliContext& context, const Group& group,
                                     const std::string& account);

// The sub-accounts of `group` with exactly these accounts, in the order
// asked. "组 ID 中没有子账号 ACCOUNT" for each missing one.
std::optional<std::vector<SubAccount>> findSubAccounts(CliContext& context, const Group& group,
                                                       const std::vector<std::string>& accounts);

// The main account of the first-level `group` with this account. "组 ID
// 中没有主账号 ACCOUNT" when missing.
std::optional<MainAccount> findMainAccount(CliContext& context, const Group& group,
                                           const std::string& account);

// The row of the link list of the second-level `group` with this account.
// "组 ID 中没有关联主账号 ACCOUNT" when missing.
std::optional<int> findMainAccountLink(CliContext& context, const Group& group,
                                       const std::string& account);

}  // namespace korvant::cli
