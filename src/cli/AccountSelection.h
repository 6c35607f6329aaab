#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/MainState.h"
#include "model/MainAccount.h"
#include "model/SubAccount.h"

// What the desk's user does with the mouse before an account operation:
// select a group in the groups tree, a tab, and rows of the list.
namespace korvant::cli {

class CliContext;

// Makes the group with `groupId` the selected one of the accounts view,
// with the tab of `list`. Prints "no group ID" and returns false when the
// group is not cached.
bool chooseGroup(CliContext& context, int groupId, AccountList list);

// The sub-accounts of the current group with exactly these accounts, found
// page by page with the account as keyword, in the order asked. Prints
// "no sub-account ACCOUNT in group ID" for each missing one.
std::optional<std::vector<SubAccount>> findSubAccounts(CliContext& context,
                                                       const std::vector<std::string>& accounts);

// The main account of the current first-level group with this account;
// prints "no main account ACCOUNT in group ID" when missing.
std::optional<MainAccount> findMainAccount(CliContext& context, const std::string& account);

// The row of the link list of the current second-level group (the cache
// then holds that row's page); prints "main account ACCOUNT is not linked
// to group ID" when missing.
std::optional<int> findMainAccountLink(CliContext& context, const std::string& account);

}  // namespace korvant::cli
