#include <ostream>

#include "app/desk/Desk.h"
#include "app/session/Permissions.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/Tsv.h"
#include "cli/commands/Commands.h"

// `login`: the login and the start-up queries.
namespace korvant::cli {
namespace {

class LoginCommand : public Command {
public:
    using Command::Command;
    bool run(CliContext& context) override {
        Desk& desk = context.desk();
        const Session& s = desk.session();
        const ReferenceData& r = desk.reference();
        std::ostream& out = context.out();
        out << "account\t" << tsvCell(s.account) << '\n'
            << "adminName\t" << tsvCell(s.adminName) << '\n'
            << "ownGroupId\t" << s.ownGroupId << '\n'
            << "permissionMask\t" << s.permissionMask << '\n'
            << "firstView\t" << firstView(s.permissionMask) << '\n'
            << "groups\t" << r.groups.count() << '\n'
            << "marginTemplates\t" << r.marginTemplates.count() << '\n'
            << "feeTemplates\t" << r.feeTemplates.count() << '\n'
            << "varieties\t" << r.varieties.count() << '\n'
            << "riskStrategies\t" << r.riskStrategies.count() << '\n';
        out.flush();
        return true;
    }
};

}  // namespace

void addLoginCommand(CommandList& commands) {
    commands.push_back(std::make_unique<LoginCommand>(
        "login",
        "登录, 执行启动时的查询并输出 键<TAB>值 行: account, adminName, ownGroupId, "
        "permissionMask, firstView, 然后是记录数 groups, marginTemplates, feeTemplates, varieties, "
        "riskStrategies"));
}

}  // namespace korvant::cli
