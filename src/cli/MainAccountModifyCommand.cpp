#include "cli/MainAccountModifyCommand.h"

#include <CLI/CLI.hpp>

#include "accounts/mainaccounts/MainAccountChangeForm.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/Desk.h"
#include "cli/AccountSelection.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace korvant::cli {

std::string MainAccountModifyCommand::help() const {
    return "modify a main account of a first-level group";
}

void MainAccountModifyCommand::addOptions(CLI::App& app) {
    app.add_option("--group", group_, "id of the first-level group")->required();
    app.add_option("--account", account_, "main account")->required();
    app.add_option("--fund-password", fundPassword_, "\"资金密码\" (empty = unchanged)");
    app.add_option("--trading-password", tradingPassword_, "\"交易密码\" (empty = unchanged)");
    app.add_option("--management-fee", managementFee_, "\"管理费率\", percent");
    app.add_option("--custody-fee", custodyFee_, "\"托管费率\", percent");
    app.add_flag("--clear-fees-due", clearFeesDue_, "\"清除应提费用\"");
}

int MainAccountModifyCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    if (!chooseGroup(context, group_, AccountList::MainAccounts)) return ExitFailed;
    const auto record = findMainAccount(context, account_);
    if (!record) return ExitFailed;
    context.port().setFormFiller([this](Form& form) {
        auto* f = dynamic_cast<MainAccountChangeForm*>(&form);
        if (f == nullptr) return false;
        f->fundPassword = fundPassword_;
        f->tradingPassword = tradingPassword_;
        if (managementFee_) f->managementFee = *managementFee_;
        if (custodyFee_) f->custodyFee = *custodyFee_;
        f->clearFeesDue = clearFeesDue_;
        return true;
    });
    return modifyMainAccount(context.desk(), &*record) ? ExitDone : ExitFailed;
}

}  // namespace korvant::cli
