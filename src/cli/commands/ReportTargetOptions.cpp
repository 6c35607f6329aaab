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
        context.err() << "请给出 --group 组号 或 --account 账号 (二者之一)\n";
        return false;
    }
    return true;
}

bool ReportTargetOptions::applyTo(Desk& desk, ReportQueryPage& page) const {
    page.account = account;
    if (!account.empty()) {
        page.takeTypedAccount(false);
        return true;
    }
    const std::optional<ReportTarget> target = reportGroupNode(desk, group);
    if (!target) return false;
    page.target = *target;
    return true;
}

}  // namespace korvant::cli
