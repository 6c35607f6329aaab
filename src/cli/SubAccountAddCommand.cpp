#include "cli/SubAccountAddCommand.h"

#include <CLI/CLI.hpp>

#include "accounts/subaccounts/SubAccountForm.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "app/Desk.h"
#include "cli/AccountSelection.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace korvant::cli {

std::string SubAccountAddCommand::help() const {
    return "add a sub-account to a second-level group";
}

void SubAccountAddCommand::addOptions(CLI::App& app) {
    app.add_option("--group", group_, "id of the second-level group (\"组  别\")")->required();
    app.add_option("--account", account_, "account number (\"子账号\")");
    app.add_option("--password", password_, "password (\"密  码\")");
    app.add_option("--name", name_, "name (\"名  称\")");
    app.add_option("--main-account", mainAccount_,
                   "main account linked to the group (\"主账号\"; default: the first)");
    app.add_option("--mac", mac_, "MAC restriction (\"MAC限定\")");
    app.add_option("--remark", remark_, "remark (\"备  注\")");
    app.add_flag("--no-fees-on-statement", noFeesOnStatement_, "\"结算单不显示手续费\"");
    app.add_flag("--no-single-side-margin", noSingleSideMargin_, "\"禁用单向大边保证金\"");
}

int SubAccountAddCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    if (!chooseGroup(context, group_, AccountList::SubAccounts)) return ExitFailed;
    context.port().setFormFiller([this](Form& form) {
        auto* f = dynamic_cast<SubAccountForm*>(&form);
        if (f == nullptr) return false;
        f->account = account_;
        f->password = password_;
        f->name = name_;
        if (!mainAccount_.empty()) {
            f->mainAccountIndex = -1;
            for (std::size_t i = 0; i < f->mainAccounts.size(); ++i)
                if (f->mainAccounts[i] == mainAccount_) f->mainAccountIndex = static_cast<int>(i);
        }
        f->mac = mac_;
        f->remark = remark_;
        f->noFeesOnStatement = noFeesOnStatement_;
        f->noSingleSideMargin = noSingleSideMargin_;
        return true;
    });
    return addSubAccount(context.desk()) ? ExitDone : ExitFailed;
}

}  // namespace korvant::cli
