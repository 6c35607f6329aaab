#include <CLI/CLI.hpp>

#include "accounts/subaccounts/SubAccountForm.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "app/desk/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/commands/AccountListCommand.h"
#include "cli/commands/AccountSelection.h"
#include "cli/commands/Commands.h"
#include "cli/commands/PasswordOptions.h"

// `subaccount list|add|modify|delete`: the sub-accounts of a group.
namespace korvant::cli {
namespace {

// Chooses `account` in the form's main-account list (-1 when not offered).
void chooseMainAccount(SubAccountForm& form, const std::string& account) {
    form.mainAccountIndex = -1;
    for (std::size_t i = 0; i < form.mainAccounts.size(); ++i)
        if (form.mainAccounts[i] == account) form.mainAccountIndex = static_cast<int>(i);
}

class SubAccountAddCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        target_.add(app, "二级组的 id (\"组  别\")", "子账号 (\"子账号\")", false);
        addPasswordOptions(app, password_, passwordStdin_, "密码", "密  码");
        app.add_option("--name", name_, "名称 (\"名  称\")");
        app.add_option("--main-account", mainAccount_,
                       "关联到该组的主账号 (\"主账号\"; 默认: 第一个)");
        app.add_option("--mac", mac_, "MAC 限定 (\"MAC限定\")");
        app.add_option("--remark", remark_, "备注 (\"备  注\")");
        app.add_flag("--no-fees-on-statement", noFeesOnStatement_, "\"结算单不显示手续费\"");
        app.add_flag("--no-single-side-margin", noSingleSideMargin_, "\"禁用单向大边保证金\"");
    }
    bool run(CliContext& context) override {
        if (!context.readSecretOption(passwordStdin_, password_, "密  码: ")) return false;
        const std::optional<Group> group = target_.findGroup(context);
        if (!group) return false;
        Desk& desk = context.desk();
        std::optional<SubAccountForm> form = prepareAddSubAccount(desk, groupOf(*group));
        if (!form) return false;
        form->account = target_.account;
        form->password = password_.value_or("");
        form->name = name_;
        if (!mainAccount_.empty()) chooseMainAccount(*form, mainAccount_);
        form->mac = mac_;
        form->remark = remark_;
        form->noFeesOnStatement = noFeesOnStatement_;
        form->noSingleSideMargin = noSingleSideMargin_;
        return validateSubAccountForm(context.port(), *form, openingDateToday()) &&
               addSubAccount(desk, *form).done;
    }

private:
    AccountTarget target_;
    std::string name_, mainAccount_, mac_, remark_;
    std::optional<std::string> password_;
    bool passwordStdin_ = false;
    bool noFeesOnStatement_ = false;
    bool noSingleSideMargin_ = false;
};

class SubAccountModifyCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        target_.add(app, "列出该子账号的组的 id", "子账号 (\"子账号\")");
        addPasswordOptions(app, password_, passwordStdin_, "新密码", "密  码");
        app.add_option("--name", name_, "新名称 (\"名  称\")");
        app.add_option("--new-group", newGroup_, "一级代码相同的二级组的 id (\"组  别\")");
        app.add_option("--main-account", mainAccount_, "主账号 (\"主账号\")");
        app.add_option("--mac", mac_, "MAC 限定 (\"MAC限定\")");
        app.add_option("--remark", remark_, "备注 (\"备  注\")");
        app.add_option("--no-fees-on-statement", noFeesOnStatement_,
                       "\"结算单不显示手续费\": 1 或 0")
            ->check(CLI::Range(0, 1));
        app.add_option("--no-single-side-margin", noSingleSideMargin_,
                       "\"禁用单向大边保证金\": 1 或 0")
            ->check(CLI::Range(0, 1));
    }
    bool run(CliContext& context) override {
        if (!context.readSecretOption(passwordStdin_, password_, "密  码: ")) return false;
        const std::optional<Group> group = target_.findGroup(context);
        if (!group) return false;
        const auto found = findSubAccounts(context, *group, {target_.account});
        if (!found) return false;
        Desk& desk = context.desk();
        const SubAccount record = found->front();
        std::optional<SubAccountForm> form = prepareModifySubAccount(desk, group->id, record);
        if (!form) return false;
        if (password_) form->password = *password_;
        if (name_) form->name = *name_;
        if (newGroup_) {
            form->groupIndex = -1;
            for (std::size_t i = 0; i < form->groups.size(); ++i)
                if (form->groups[i].id == *newGroup_) form->groupIndex = static_cast<int>(i);
        }
        if (mainAccount_) chooseMainAccount(*form, *mainAccount_);
        if (mac_) form->mac = *mac_;
        if (remark_) form->remark = *remark_;
        if (noFeesOnStatement_) form->noFeesOnStatement = *noFeesOnStatement_ != 0;
        if (noSingleSideMargin_) form->noSingleSideMargin = *noSingleSideMargin_ != 0;
        return validateSubAccountForm(context.port(), *form, openingDateToday()) &&
               modifySubAccount(desk, record, *form).done;
    }

private:
    AccountTarget target_;
    std::optional<std::string> password_, name_, mainAccount_, mac_, remark_;
    bool passwordStdin_ = false;
    std::optional<int> newGroup_;
    std::optional<int> noFeesOnStatement_, noSingleSideMargin_;
};

class SubAccountDeleteCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        app.add_option("--group", group_, "列出这些子账号的组的 id")->required();
        app.add_option("--account", accounts_, "子账号 (\"子账号\"); 多个时重复本选项")->required();
    }
    bool run(CliContext& context) override {
        const std::optional<Group> group = findGroup(context, group_);
        if (!group) return false;
        const auto found = findSubAccounts(context, *group, accounts_);
        if (!found) return false;
        return deleteSubAccounts(context.desk(), *found);
    }

private:
    int group_ = -1;
    std::vector<std::string> accounts_;
};

}  // namespace

void addSubAccountCommands(CommandList& commands) {
    commands.push_back(std::make_unique<AccountListCommand>(
        AccountList::SubAccounts, "subaccount list", "输出组的子账号的一页"));
    commands.push_back(std::make_unique<SubAccountAddCommand>(
        "subaccount add", "在二级组中添加子账号 (\"0042\" 按 42 发送; MAC 文字会被清理)"));
    commands.push_back(std::make_unique<SubAccountModifyCommand>(
        "subaccount modify", "修改子账号 (未给出的选项保持原值)"));
    commands.push_back(std::make_unique<SubAccountDeleteCommand>(
        "subaccount delete", "询问一次后删除组的子账号 (--yes 回答); 每个单独发送并单独报告结果"));
}

}  // namespace korvant::cli
