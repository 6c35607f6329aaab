#pragma once

#include <cstdint>
#include <vector>

#include "accounts/administrators/AdministratorForm.h"
#include "accounts/administrators/PasswordForm.h"
#include "app/exchange/Change.h"
#include "app/lists/CurrentGroup.h"
#include "model/Administrator.h"

// The administrator operations of the accounts view: add (action `AddAdministrator`), modify
// (action `ModifyAdministrator`) and delete (action `DeleteAdministrator`) on the administrator
// list, and the change of the logged-in administrator's own password (action `ChangePassword`).
namespace korvant {

class Desk;

// Action `AddAdministrator`, permission 0x8: the dialog "添加管理员" for `group`
// (nothing without one: id -1), command 98, then the administrator list
// again at its page.
bool addAdministrator(Desk& desk, const CurrentGroup& group);
// The add with the dialog's values for `group` (id and name): command 98,
// its acknowledgement, then the administrator list again at its page.
ChangeOutcome addAdministrator(Desk& desk, const CurrentGroup& group,
                               const AdministratorForm& form);

// Action `ModifyAdministrator`, permission 0x10: the dialog "修改" for the one selected row
// (`rows` index the administrator cache) listed in group `current`, command
// 99, then the list again. Two or more rows: "不支持批量修改。"; none: nothing.
bool modifyAdministrator(Desk& desk, const std::vector<int>& rows, const CurrentGroup& current);
// The dialog's values for `record` as it opens, listed in group `current`
// (which the dialog offers).
AdministratorForm makeModifyAdministratorForm(Desk& desk, const Administrator& record,
                                              const CurrentGroup& current);
// The modify of `record` with the dialog's values: command 99 (the account
// and the permission bits outside the check-list as the record has them),
// then the list again.
ChangeOutcome modifyAdministrator(Desk& desk, const Administrator& record,
                                  const AdministratorForm& form);

// Action `DeleteAdministrator`, permission 0x20: asks, sends command 15 and removes the record
// from the cache. Two or more rows: "管理员不能批量删除。"; none: nothing.
bool deleteAdministrator(Desk& desk, const std::vector<int>& rows);

// Action `ChangePassword`: the dialog "更改密码", command 19. No permission needed, no
// status rows.
bool changeOwnPassword(Desk& desk);
// The change with the dialog's values (checked by validatePasswordForm).
bool changeOwnPassword(Desk& desk, const PasswordForm& form);

// Today's local date as yyyymmdd.
int32_t todayYmd();

// Registers the handler of `ChangePassword` and the administrator list's
// column sorter (the window registers the actions on its selection).
void registerAdministratorActions(Desk& desk);

}  // namespace korvant
