#include "cli/SubAccountModifyCommand.h"

#include <CLI/CLI.hpp>

#include "accounts/subaccounts/SubAccountForm.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "app/Desk.h"
#include "cli/AccountSelection.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace korvant::cli {

std::string SubAccountModifyCommand::help() const {
    return "modify a sub-account of a second-level group";
}

void SubAccountModifyCommand::addOptions(CLI::App& app) {
    app.add_option("--group", group_, "id of the group listing the sub-account")->required();
    app.add_option("--account", account_, "account number (\"子账号\")")->required();
    app.add_option("--password", password_, "new password (\"密  码\")");
    app.add_option("--name", name_, "new name (\"名  称\")");
    app.add_option("--new-group", newGroup_,
                   "id of a second-level group with the same first-level code (\"组  别\")");
    app.add_option("--main-account", mainAccount_, "main account (\"主账号\")");
    app.add_option("--mac", mac_, "MAC restriction (\"MAC限定\")");
    app.add_option("--remark", remark_, "remark (\"备  注\")");
    app.add_option("--no-fees-on-statement", noFeesOnStatement_, "\"结算单不显示手续费\": 1 or 0")
        ->check(CLI::Range(0, 1));
    app.add_option("--no-single-side-margin", noSingleSideMargin_, "\"禁用单向大边保证金\": 1 or 0")
        ->check(CLI::Range(0, 1));
}

int SubAccountModifyCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    if (!chooseGroup(context, group_, AccountList::SubAccounts)) return ExitFailed;
    const auto found = findSubAccounts(context, {account_});
    if (!found) return ExitFailed;
    context.port().setFormFiller([this](Form& form) {
        auto* f = dynamic_cast<SubAccountForm*>(&form);
        if (f == nullptr) return false;
        if (password_) f->password = *password_;
        if (name_) f->name = *name_;
        if (newGroup_) {
            f->groupIndex = -1;
            for (std::size_t i = 0; i < f->groups.size(); ++i)
                if (f->groups[i].id == *newGroup_) f->groupIndex = static_cast<int>(i);
        }
        if (mainAccount_) {
            f->mainAccountIndex = -1;
            for (std::size_t i = 0; i < f->mainAccounts.size(); ++i)
                if (f->mainAccounts[i] == *mainAccount_) f->mainAccountIndex = static_cast<int>(i);
        }
        if (mac_) f->mac = *mac_;
        if (remark_) f->remark = *remark_;
        if (noFeesOnStatement_) f->noFeesOnStatement = *noFeesOnStatement_ != 0;
        if (noSingleSideMargin_) f->noSingleSideMargin = *noSingleSideMargin_ != 0;
        return true;
    });
    return modifySubAccount(context.desk(), &found->front()) ? ExitDone : ExitFailed;
}

}  // namespace korvant::cli
