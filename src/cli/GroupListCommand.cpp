#include "cli/GroupListCommand.h"

#include <ostream>

#include "app/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/Tsv.h"

namespace korvant::cli {

std::string GroupListCommand::help() const {
    return "print the group tree as TSV: id parentId code name depth (depth-first)";
}

int GroupListCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    std::ostream& out = context.out();
    out << "id\tparentId\tcode\tname\tdepth\n";
    for (const GroupTreeNode& node : context.desk().reference().groupTree()) {
        const Group& g = *node.group;
        writeTsvRow(out, {std::to_string(g.id), std::to_string(g.parentId), g.groupCode, g.name,
                          std::to_string(node.depth)});
    }
    out.flush();
    return ExitDone;
}

}  // namespace korvant::cli
