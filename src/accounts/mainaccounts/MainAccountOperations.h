#pragma once

#include <functional>
#include <string>
#include <vector>

#include <optional>

#include "accounts/mainaccounts/MainAccountChangeForm.h"
#include "accounts/mainaccounts/MainAccountForm.h"
#include "accounts/mainaccounts/MainAccountLinkForm.h"
#include "app/exchange/Change.h"
#include "model/MainAccount.h"
#include "model/SubAccount.h"

// The main-account operations of the accounts view: create (action `CreateMainAccount`),
// modify (123) and delete (83) in the list of a first-level group; link
// (106) and unlink (125) in the list of a second-level group; the parent
// group's main accounts (107); and the sub-accounts that use a main account.
// The operations return true when the server acknowledged what they sent
// (modify also when nothing needed sending).
namespace korvant {

class Desk;

// Action `CreateMainAccount`, permission 0x1: dialog "添加主账号" in the group of
// `groupCode`, command 38, then the first-level list again.
bool createMainAccount(Desk& desk, const std::string& groupCode);
// Permission 0x1 in a first-level group (`groupCode`); false after saying
// why.
bool mayCreateMainAccount(Desk& desk, const std::string& groupCode);
// The create with the dialog's values (checked by validateMainAccountForm)
// in the first-level group of `groupCode` (mayCreateMainAccount first).
ChangeOutcome createMainAccount(Desk& desk, const std::string& groupCode,
                                const MainAccountForm& form);

// Action `ModifyMainAccount`: dialog "修改主账号" for `record` (nothing without one); nothing
// is sent when nothing changed; command 86, then the first-level list again.
bool modifyMainAccount(Desk& desk, const MainAccount* record);
// The modify with the dialog's values (MainAccountChangeForm::from the
// record, checked by validateMainAccountChangeForm; not `unchanged()`).
ChangeOutcome modifyMainAccount(Desk& desk, const MainAccountChangeForm& form);

// Action `DeleteMainAccount`: asks, sends command 39, then the first-level list again.
bool deleteMainAccount(Desk& desk, const MainAccount* record);

// Action `LinkMainAccount`: dialog "添加主账号" with the parent group's main accounts,
// command 66 for the group of `groupCode`, then the link list again. A
// refusal always shows "账号已存在".
bool linkMainAccount(Desk& desk, const std::string& groupCode);
// What the dialog offers for the group of `groupCode`: the parent group's
// main accounts, read again (nothing, its message shown, outside a
// second-level group).
std::optional<MainAccountLinkForm> prepareMainAccountLink(Desk& desk, const std::string& groupCode);
// The link of `account` to the second-level group of `groupCode`.
ChangeOutcome linkMainAccount(Desk& desk, const std::string& groupCode, const std::string& account);

// "删除主账号" of the link list, permission 0x20: the row of the link cache
// to unlink, then the question. True when the user said Yes.
bool confirmUnlinkMainAccount(Desk& desk, int linkRow);
// The menu item: confirms, then posts action `UnlinkMainAccount` with the row. Returns
// whether it was posted.
bool requestUnlinkMainAccount(Desk& desk, int linkRow);

// Action `UnlinkMainAccount`: the parent group's main accounts (action `ReloadParentMainAccounts`),
// command 102 for `account` in the second-level group of `groupCode`, then the link list again.
bool unlinkMainAccount(Desk& desk, const std::string& groupCode, std::string account);

// "显示关联的子账号": reads the sub-accounts of all groups page by page
// (action `AllSubAccountsPage`) and returns those whose main account equals `mainAccount`
// byte for byte. `onPage` sees the matches found so far after every page.
std::vector<SubAccount> linkedSubAccounts(
    Desk& desk, const std::string& mainAccount,
    const std::function<void(const std::vector<SubAccount>&)>& onPage = {});

// The caption and columns of the list "子账号列表" and the cells of a row.
inline constexpr const char* LinkedSubAccountsCaption = "子账号列表";
const std::vector<std::string>& linkedSubAccountCaptions();
std::vector<std::string> linkedSubAccountCells(const SubAccount& account);

}  // namespace korvant
