#include "cli/LoginCommand.h"

#include <ostream>

#include "app/Desk.h"
#include "app/Permissions.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace korvant::cli {

std::string LoginCommand::help() const {
    return "log in, run the start-up queries, print the session and the cache counts";
}

int LoginCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    Desk& desk = context.desk();
    const Session& s = desk.session();
    const ReferenceData& r = desk.reference();
    std::ostream& out = context.out();
    out << "account\t" << s.account << '\n'
        << "adminName\t" << s.adminName << '\n'
        << "ownGroupId\t" << s.ownGroupId << '\n'
        << "permissionMask\t" << s.permissionMask << '\n'
        << "firstView\t" << firstView(s.permissionMask) << '\n'
        << "groups\t" << r.groups.count() << '\n'
        << "marginTemplates\t" << r.marginTemplates.count() << '\n'
        << "feeTemplates\t" << r.feeTemplates.count() << '\n'
        << "varieties\t" << r.varieties.count() << '\n'
        << "riskStrategies\t" << r.riskStrategies.count() << '\n';
    out.flush();
    return ExitDone;
}

}  // namespace korvant::cli
