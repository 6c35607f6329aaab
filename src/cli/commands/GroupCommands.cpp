#include <CLI/CLI.hpp>

#include <ostream>

#include "accounts/groups/GroupForm.h"
#include "accounts/groups/GroupOperations.h"
#include "app/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/TablePage.h"
#include "cli/Tsv.h"
#include "cli/commands/AccountSelection.h"
#include "cli/commands/Commands.h"

// `group list|add|modify`: the groups tree.
namespace korvant::cli {
namespace {

class GroupListCommand : public Command {
public:
    using Command::Command;
    bool run(CliContext& context) override {
        const std::vector<std::string> names = {"id", "parentId", "code", "name", "depth"};
        TablePage table(names, names);
        for (const GroupTreeNode& node : context.desk().reference().groupTree()) {
            const Group& g = *node.group;
            table.add(
                {int64_t{g.id}, int64_t{g.parentId}, g.groupCode, g.name, int64_t{node.depth}});
        }
        printRows(context, table);
        return true;
    }
};

// `group add` and `group modify`: the group dialog filled from the options.
class GroupEditCommand : public Command {
public:
    explicit GroupEditCommand(bool adding)
        : Command(adding ? "group add" : "group modify",
                  adding ? "add a group under a group of the groups tree"
                         : "modify a group, never the own one (options left out stay as they are)"),
          adding_(adding) {}

    void addOptions(CLI::App& app) override {
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

    bool run(CliContext& context) override {
        if (!chooseGroup(context, group_, AccountList::Administrators)) return false;
        Desk& desk = context.desk();
        FrontEndPort& port = context.port();
        const Group* chosen = desk.reference().groupById(group_);
        if (chosen == nullptr) return context.refuse("没有组 " + std::to_string(group_));
        const Group record = *chosen;
        const auto& groups = desk.reference().groups.records;
        GroupForm form =
            adding_ ? makeAddGroupForm(groups, record) : makeModifyGroupForm(groups, record);
        if (name_) form.name = *name_;
        if (remark_) form.remark = *remark_;
        if (allowed_) form.allowedSubAccounts = *allowed_;
        if (rangeFrom_) form.rangeFrom = *rangeFrom_;
        if (rangeTo_) form.rangeTo = *rangeTo_;
        if (adding_) return validateAddGroupForm(port, form) && addGroup(desk, form).done;
        return validateModifyGroupForm(port, record, form) && modifyGroup(desk, record, form).done;
    }

private:
    bool adding_;
    int group_ = -1;
    std::optional<std::string> name_, remark_;
    std::optional<int> allowed_, rangeFrom_, rangeTo_;
};

}  // namespace

void addGroupCommands(CommandList& commands) {
    commands.push_back(std::make_unique<GroupListCommand>(
        "group list",
        "print the group tree: id parentId code name depth (depth-first, "
        "children in server order, 0 = top level)"));
    commands.push_back(std::make_unique<GroupEditCommand>(true));
    commands.push_back(std::make_unique<GroupEditCommand>(false));
}

}  // namespace korvant::cli
