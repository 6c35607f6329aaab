#pragma once

#include "accounts/administrators/PasswordForm.h"
#include "accounts/deposits/DepositRecordsPage.h"
#include "accounts/mainaccounts/MainAccountChangeForm.h"
#include "accounts/mainaccounts/MainAccountLinkForm.h"
#include "gui/widgets/FormDialog.h"

// The dialogs of the accounts area that are nothing but their fields, bound
// to the form's values.
namespace korvant::gui {

// "更改密码": the current password in plain text, the new one twice masked.
class PasswordDialog : public FormDialog {
    Q_OBJECT
public:
    PasswordDialog(PasswordForm& form, QWidget* parent = nullptr);
};

// "修改主账号": new passwords, the two fee rates and "清除应提费用".
class MainAccountChangeDialog : public FormDialog {
    Q_OBJECT
public:
    MainAccountChangeDialog(MainAccountChangeForm& form, QWidget* parent = nullptr);
};

// "添加主账号" of a second-level group: one of the parent group's main
// accounts ("可选主账号:").
class MainAccountLinkDialog : public FormDialog {
    Q_OBJECT
public:
    MainAccountLinkDialog(MainAccountLinkForm& form, QWidget* parent = nullptr);
};

// "导出" of the deposit records: the date range and the file, chosen with
// "浏览".
class DepositExportDialog : public FormDialog {
    Q_OBJECT
public:
    DepositExportDialog(DepositExportForm& form, QWidget* parent = nullptr);
};

}  // namespace korvant::gui
