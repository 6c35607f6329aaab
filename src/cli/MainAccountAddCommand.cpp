#include "cli/MainAccountAddCommand.h"

#include <CLI/CLI.hpp>

#include "accounts/mainaccounts/MainAccountForm.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/Desk.h"
#include "cli/AccountSelection.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace korvant::cli {

std::string MainAccountAddCommand::help() const {
    return "create a main account in a first-level group";
}

void MainAccountAddCommand::addOptions(CLI::App& app) {
    app.add_option("--group", group_, "id of the first-level group")->required();
    app.add_option("--account", account_, "main account (\"主 账 号\")");
    app.add_option("--initial-funds", initialFunds_,
                   "funds to allocate to sub-accounts (\"初始资金\"; empty = not limited)");
    app.add_option("--trading-password", tradingPassword_, "\"交易密码\"");
    app.add_option("--start-investment", startInvestment_, "\"期初投入\"");
    app.add_option("--priority-funds", priorityFunds_, "\"优先资金\"");
    app.add_option("--fund-password", fundPassword_, "\"资金密码\"");
    app.add_option("--management-fee", managementFee_, "\"管 理 费\", percent");
    app.add_option("--custody-fee", custodyFee_, "\"托 管 费\", percent");
}

int MainAccountAddCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    if (!chooseGroup(context, group_, AccountList::MainAccounts)) return ExitFailed;
    context.port().setFormFiller([this](Form& form) {
        auto* f = dynamic_cast<MainAccountForm*>(&form);
        if (f == nullptr) return false;
        f->account = account_;
        f->initialFunds = initialFunds_;
        f->tradingPassword = tradingPassword_;
        f->startInvestment = startInvestment_;
        f->priorityFunds = priorityFunds_;
        f->fundPassword = fundPassword_;
        f->managementFee = managementFee_;
        f->custodyFee = custodyFee_;
        return true;
    });
    return createMainAccount(context.desk()) ? ExitDone : ExitFailed;
}

}  // namespace korvant::cli
