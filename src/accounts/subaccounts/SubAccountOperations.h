#pragma once

#include <vector>

#include <optional>

#include "accounts/subaccounts/SubAccountForm.h"
#include "app/exchange/Change.h"
#include "app/lists/CurrentGroup.h"
#include "model/SubAccount.h"

// The sub-account operations of the accounts view: add (action `AddSubAccount`), modify
// (action `ModifySubAccount`), delete (action `DeleteSubAccount`) and the main accounts linked to
// the current group that the dialog offers (action `ReloadMainAccountLinks`). The operations return
// true when the server acknowledged everything they sent.
namespace korvant {

class Desk;

// Action `AddSubAccount`, permission 0x1: the dialog "添加子账号" for `group` (the
// group chosen in the groups tree), command 8, then the sub-account list again.
bool addSubAccount(Desk& desk, const CurrentGroup& group);
// What the dialog "添加子账号" offers in `group` (nothing, its message
// shown, when it cannot be opened), and the add with its values (checked
// by validateSubAccountForm).
std::optional<SubAccountForm> prepareAddSubAccount(Desk& desk, const CurrentGroup& group);
ChangeOutcome addSubAccount(Desk& desk, const SubAccountForm& form);

// Action `ModifySubAccount`, permission 0x2: the dialog "修改子账号" prefilled from `record`
// listed in group `listedGroupId`
// (nothing happens without one after the permission check),
// command 11 (compressed), then the sub-account list again.
bool modifySubAccount(Desk& desk, int listedGroupId, const SubAccount* record);
// The dialog "修改" as it opens for `record` listed in group `listedGroupId`
// (whose linked main accounts it offers), and the modify with its values.
std::optional<SubAccountForm> prepareModifySubAccount(Desk& desk, int listedGroupId,
                                                      const SubAccount& record);
ChangeOutcome modifySubAccount(Desk& desk, const SubAccount& record, const SubAccountForm& form);

// Action `DeleteSubAccount`, permission 0x4: asks once, then sends command 14 for every
// account in list order, each reported on its own; then the list again.
bool deleteSubAccounts(Desk& desk, const std::vector<SubAccount>& selected);

// Lets the sub-account list sort by its columns (the window registers the
// actions on its selection).
void registerSubAccountSorter(Desk& desk);

}  // namespace korvant
