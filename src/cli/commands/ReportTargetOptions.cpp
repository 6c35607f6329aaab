#include "cli/commands/ReportTargetOptions.h"

#include <CLI/CLI.hpp>

#include <ostream>

#include "app/desk/Desk.h"
#include "app/pages/ReportQueryPage.h"
#include "cli/CliContext.h"
#include "model/RecordCache.h"

namespace korvant::cli {

void ReportTargetOptions::add(CLI::App& app) {
    app.add_option("--group", group, "报表树节点的组 id (其名称一并发送)");
    app.add_option("--account", account, "客户号, 同在 \"客户号:\" 中输入 (目标 -1)");
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
