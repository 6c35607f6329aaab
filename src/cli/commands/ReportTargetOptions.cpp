#include "cli/commands/ReportTargetOptions.h"

#include <CLI/CLI.hpp>

#include <ostream>

#include "app/Desk.h"
#include "app/ReportQueryPage.h"
#include "cli/CliContext.h"
#include "model/RecordCache.h"

namespace korvant::cli {

void ReportTargetOptions::add(CLI::App& app) {
    app.add_option("--group", group, "group id of a report-tree node (its name is sent with it)");
    app.add_option("--account", account, "account number, as typed into \"客户号:\" (target -1)");
}

bool ReportTargetOptions::check(CliContext& context) const {
    if ((group >= 0) == !account.empty()) {
        context.err() << "give either --group ID or --account A\n";
        return false;
    }
    return true;
}

void ReportTargetOptions::applyTo(Desk& desk, ReportQueryPage& page) const {
    page.account = account;
    if (!account.empty()) {
        page.takeTypedAccount(false);
        return;
    }
    ReportTarget target;
    target.id = group;
    target.group = true;
    const RecordCache<Group>& groups = desk.reference().groups;
    for (int i = 0; i < groups.count(); ++i)
        if (groups.at(i).id == group) target.text = groups.at(i).name;
    page.target = target;
}

}  // namespace korvant::cli
