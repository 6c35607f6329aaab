#pragma once

#include <optional>

#include "accounts/deposits/DepositForm.h"
#include "app/lists/CurrentGroup.h"
#include "model/MainAccount.h"
#include "model/SubAccount.h"

// Deposits and withdrawals through the dialog "出入金": for a sub-account
// (action `SubAccountDeposit`, command 36), a main account of a first-level group (action
// 121, command 82) and the link of a main account to a second-level group
// (action `LinkDeposit`, command 67). All need permission 0x40. Each ends with the
// list it came from queried again when the server agreed.
namespace korvant {

class Desk;

// Each acts on a record listed in `group` (the desk's actions pass the
// group on screen).
// From the sub-account list: the group's main-account links are reloaded,
// the sub-account's funds read (command 81), then the dialog. Nothing
// without a record.
bool depositSubAccount(Desk& desk, const CurrentGroup& group, const SubAccount* record);

// From the first-level main-account list (or the main-account view).
// Nothing without a record.
bool depositMainAccount(Desk& desk, const CurrentGroup& group, const MainAccount* record);

// From the link list of a second-level group: "  请先选择主账号。" without a
// record; the parent group's main accounts are reloaded first, and a main
// account without a limit needs no deposit.
bool depositLink(Desk& desk, const CurrentGroup& group, const MainAccountLink* record);

// The two halves of each deposit around its dialog, for the record listed
// in `group`, for front ends that fill the form themselves: `prepare…`
// checks the permission and the group level and reads what the dialog
// shows (nothing, its message shown, when it cannot be opened); `apply…`
// takes the form as checked by validateDepositForm, reads the totals again
// and sends the change.
std::optional<DepositForm> prepareSubAccountDeposit(Desk& desk, const CurrentGroup& group,
                                                    const SubAccount& account);
bool applySubAccountDeposit(Desk& desk, const CurrentGroup& group, const SubAccount& account,
                            DepositForm form);
std::optional<DepositForm> prepareMainAccountDeposit(Desk& desk, const CurrentGroup& group,
                                                     const MainAccount& account);
bool applyMainAccountDeposit(Desk& desk, const CurrentGroup& group, const MainAccount& account,
                             DepositForm form);
std::optional<DepositForm> prepareLinkDeposit(Desk& desk, const CurrentGroup& group,
                                              const MainAccountLink& link);
bool applyLinkDeposit(Desk& desk, const CurrentGroup& group, const MainAccountLink& link,
                      const DepositForm& form);

}  // namespace korvant
