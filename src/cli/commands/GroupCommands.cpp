#include <CLI/CLI.hpp>

#include <ostream>

#include "accounts/groups/GroupForm.h"
#include "accounts/groups/GroupOperations.h"
#include "app/desk/Desk.h"
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
                  adding ? "在组织结构树的某组下添加组"
                         : "修改组, 不能修改自己所在的组 (未给出的选项保持不变)"),
          adding_(adding) {}

    void addOptions(CLI::App& app) override {
        if (adding_)
            app.add_option("--parent", group_, "上级组的 id (\"隶属\")")->required();
        else
            app.add_option("--group", group_, "组的 id")->required();
        app.add_option("--name", name_, "名称 (\"名称\")");
        app.add_option("--remark", remark_, "备注 (\"备注\")");
        app.add_option("--allowed-subaccounts", allowed_,
                       "允许的子账号数量 (\"允许子账号数量\"; 一级组)");
        app.add_option("--range-from", rangeFrom_, "子账号号码范围起 (\"范围\")");
        app.add_option("--range-to", rangeTo_, "子账号号码范围止 (\"到\")");
    }

    bool run(CliContext& context) override {
        const std::optional<Group> chosen = findGroup(context, group_);
        if (!chosen) return false;
        Desk& desk = context.desk();
        FrontEndPort& port = context.port();
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
    commands.push_back(
        std::make_unique<GroupListCommand>("group list",
                                           "输出组织结构树: id, parentId, code, name, depth "
                                           "(深度优先, 子组按服务器给出的顺序, 0 为顶层)"));
    commands.push_back(std::make_unique<GroupEditCommand>(true));
    commands.push_back(std::make_unique<GroupEditCommand>(false));
}

}  // namespace korvant::cli
