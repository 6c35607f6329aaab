#include "cli/GroupEditCommand.h"

#include <CLI/CLI.hpp>

#include "accounts/groups/GroupForm.h"
#include "accounts/groups/GroupOperations.h"
#include "app/Desk.h"
#include "cli/AccountSelection.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace korvant::cli {

std::string GroupEditCommand::help() const {
    return adding_ ? "add a group under a group of the groups tree"
                   : "modify a group (options left out stay as they are)";
}

void GroupEditCommand::addOptions(CLI::App& app) {
    if (adding_)
        app.add_option("--parent", group_, "id of the parent group (\"隶属\")")->required();
    else
        app.add_option("--group", group_, "id of the group")->required();
    app.add_option("--name", name_, "name (\"名称\")");
    app.add_option("--remark", remark_, "remark (\"备注\")");
    app.add_option("--allowed-subaccounts", allowed_,
                   "allowed number of sub-accounts (\"允许子账号数量\"; first-level groups)");
    app.add_option("--range-from", rangeFrom_, "sub-account numbers from (\"范围\")");
    app.add_option("--range-to", rangeTo_, "sub-account numbers to (\"到\")");
}

int GroupEditCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    if (!chooseGroup(context, group_, AccountList::Administrators)) return ExitFailed;
    context.port().setFormFiller([this](Form& form) {
        auto* f = dynamic_cast<GroupForm*>(&form);
        if (f == nullptr) return false;
        if (name_) f->name = *name_;
        if (remark_) f->remark = *remark_;
        if (allowed_) f->allowedSubAccounts = *allowed_;
        if (rangeFrom_) f->rangeFrom = *rangeFrom_;
        if (rangeTo_) f->rangeTo = *rangeTo_;
        return true;
    });
    Desk& desk = context.desk();
    return (adding_ ? addGroup(desk) : modifyGroup(desk)) ? ExitDone : ExitFailed;
}

}  // namespace korvant::cli
