#include "cli/MainAccountLinkCommand.h"

#include <CLI/CLI.hpp>

#include "accounts/mainaccounts/MainAccountLinkForm.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/Desk.h"
#include "cli/AccountSelection.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace korvant::cli {

std::string MainAccountLinkCommand::help() const {
    return link_ ? "link a main account of the parent group to a second-level group"
                 : "remove a main account from a second-level group (asks; --yes answers)";
}

void MainAccountLinkCommand::addOptions(CLI::App& app) {
    app.add_option("--group", group_, "id of the second-level group")->required();
    app.add_option("--account", account_,
                   link_ ? "main account of the parent group (\"可选主账号\"; default: the first)"
                         : "linked main account (\"隶属主账号\")")
        ->required(!link_);
}

int MainAccountLinkCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    if (!chooseGroup(context, group_, AccountList::MainAccountLinks)) return ExitFailed;
    Desk& desk = context.desk();
    if (!link_) {
        const auto row = findMainAccountLink(context, account_);
        if (!row) return ExitFailed;
        if (!confirmUnlinkMainAccount(desk, *row)) return ExitFailed;
        return unlinkMainAccount(desk, account_) ? ExitDone : ExitFailed;
    }
    context.port().setFormFiller([this, &context](Form& form) {
        auto* f = dynamic_cast<MainAccountLinkForm*>(&form);
        if (f == nullptr) return false;
        if (!account_.empty()) {
            f->selected = -1;
            for (std::size_t i = 0; i < f->accounts.size(); ++i)
                if (f->accounts[i] == account_) f->selected = static_cast<int>(i);
        }
        if (f->selected < 0) {
            context.err() << "main account " << (account_.empty() ? "(first)" : account_)
                          << " is not offered by the parent group\n";
            return false;
        }
        return true;
    });
    return linkMainAccount(desk) ? ExitDone : ExitFailed;
}

}  // namespace korvant::cli
