#include <CLI/CLI.hpp>

#include <ostream>

#include "accounts/mainaccounts/MainAccountChangeForm.h"
#include "accounts/mainaccounts/MainAccountForm.h"
#include "accounts/mainaccounts/MainAccountLinkForm.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/desk/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/TablePage.h"
#include "cli/Tsv.h"
#include "cli/commands/AccountListCommand.h"
#include "cli/commands/AccountSelection.h"
#include "cli/commands/Commands.h"
#include "model/AccountFields.h"

// `mainaccount list|links|add|modify|delete|link|unlink|subaccounts`: the
// main accounts of a first-level group and the links of a second-level one.
namespace korvant::cli {
namespace {

class MainAccountAddCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        target_.add(app, "一级组的 id", "主账号 (\"主 账 号\")", false);
        // The options fill the dialog's values directly.
        app.add_option("--initial-funds", values_.initialFunds,
                       "可分配给子账号的资金 (\"初始资金\"; 为空表示不限)");
        app.add_option("--trading-password", values_.tradingPassword, "\"交易密码\"");
        app.add_option("--start-investment", values_.startInvestment, "\"期初投入\"");
        app.add_option("--priority-funds", values_.priorityFunds, "\"优先资金\"");
        app.add_option("--fund-password", values_.fundPassword, "\"资金密码\"");
        app.add_option("--management-fee", values_.managementFee, "\"管 理 费\", 百分比");
        app.add_option("--custody-fee", values_.custodyFee, "\"托 管 费\", 百分比");
    }
    bool run(CliContext& context) override {
        const std::optional<Group> group = target_.findGroup(context);
        if (!group) return false;
        Desk& desk = context.desk();
        FrontEndPort& port = context.port();
        if (!mayCreateMainAccount(desk, group->groupCode)) return false;
        MainAccountForm form = values_;
        form.account = target_.account;
        return validateMainAccountForm(port, form) &&
               createMainAccount(desk, group->groupCode, form).done;
    }

private:
    AccountTarget target_;
    MainAccountForm values_;
};

// A command on one main account of a first-level group: --group and
// --account, and the record found in the group's list.
class OneMainAccountCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override { target_.add(app, "一级组的 id", "主账号"); }

protected:
    std::optional<MainAccount> chosenRecord(CliContext& context) const {
        const std::optional<Group> group = target_.findGroup(context);
        if (!group) return std::nullopt;
        return findMainAccount(context, *group, target_.account);
    }

private:
    AccountTarget target_;
};

class MainAccountModifyCommand : public OneMainAccountCommand {
public:
    using OneMainAccountCommand::OneMainAccountCommand;
    void addOptions(CLI::App& app) override {
        OneMainAccountCommand::addOptions(app);
        app.add_option("--fund-password", fundPassword_, "\"资金密码\" (为空表示不变)");
        app.add_option("--trading-password", tradingPassword_, "\"交易密码\" (为空表示不变)");
        app.add_option("--management-fee", managementFee_, "\"管理费率\", 百分比");
        app.add_option("--custody-fee", custodyFee_, "\"托管费率\", 百分比");
        app.add_flag("--clear-fees-due", clearFeesDue_, "\"清除应提费用\"");
    }
    bool run(CliContext& context) override {
        const auto record = chosenRecord(context);
        if (!record) return false;
        MainAccountChangeForm form = MainAccountChangeForm::from(*record);
        form.fundPassword = fundPassword_;
        form.tradingPassword = tradingPassword_;
        if (managementFee_) form.managementFee = *managementFee_;
        if (custodyFee_) form.custodyFee = *custodyFee_;
        form.clearFeesDue = clearFeesDue_;
        if (!validateMainAccountChangeForm(context.port(), form)) return false;
        // Nothing changed: nothing to send, and nothing left undone.
        return form.unchanged() || modifyMainAccount(context.desk(), form).done;
    }

private:
    std::string fundPassword_, tradingPassword_;
    std::optional<std::string> managementFee_, custodyFee_;
    bool clearFeesDue_ = false;
};

class MainAccountDeleteCommand : public OneMainAccountCommand {
public:
    using OneMainAccountCommand::OneMainAccountCommand;
    bool run(CliContext& context) override {
        const auto record = chosenRecord(context);
        if (!record) return false;
        return deleteMainAccount(context.desk(), &*record);
    }
};

// `mainaccount link` and `mainaccount unlink`.
class MainAccountLinkCommand : public Command {
public:
    explicit MainAccountLinkCommand(bool link)
        : Command(
              link ? "mainaccount link" : "mainaccount unlink",
              link ? "把上级组的主账号关联到二级组" : "从二级组移除主账号 (会询问; --yes 回答)"),
          link_(link) {}
    void addOptions(CLI::App& app) override {
        target_.add(app, "二级组的 id",
                    link_ ? "上级组的主账号 (\"可选主账号\"; 默认: 可选的第一个)"
                          : "已关联的主账号 (\"隶属主账号\")",
                    !link_);
    }
    bool run(CliContext& context) override {
        const std::optional<Group> group = target_.findGroup(context);
        if (!group) return false;
        Desk& desk = context.desk();
        if (!link_) {
            const auto row = findMainAccountLink(context, *group, target_.account);
            if (!row) return false;
            if (!confirmUnlinkMainAccount(desk, *row)) return false;
            return unlinkMainAccount(desk, group->groupCode, target_.account);
        }
        std::optional<MainAccountLinkForm> form = prepareMainAccountLink(desk, group->groupCode);
        if (!form) return false;
        if (!target_.account.empty()) {
            form->selected = -1;
            for (std::size_t i = 0; i < form->accounts.size(); ++i)
                if (form->accounts[i] == target_.account) form->selected = static_cast<int>(i);
        }
        if (form->selected < 0)
            return context.refuse(target_.account.empty()
                                      ? std::string("上级组没有可关联的主账号")
                                      : "上级组没有可关联的主账号 " + target_.account);
        return linkMainAccount(desk, group->groupCode, form->selectedAccount()).done;
    }

private:
    bool link_;
    AccountTarget target_;
};

class MainAccountSubAccountsCommand : public OneMainAccountCommand {
public:
    using OneMainAccountCommand::OneMainAccountCommand;
    bool run(CliContext& context) override {
        const auto record = chosenRecord(context);
        if (!record) return false;
        const auto found = linkedSubAccounts(context.desk(), record->account);
        TablePage table(linkedSubAccountCaptions(), subAccountFieldNames());
        for (const SubAccount& s : found)
            table.add(linkedSubAccountCells(s), subAccountRawValues(s));
        printRows(context, table);
        return true;
    }
};

}  // namespace

void addMainAccountCommands(CommandList& commands) {
    commands.push_back(std::make_unique<AccountListCommand>(
        AccountList::MainAccounts, "mainaccount list", "输出一级组的主账号的一页"));
    commands.push_back(std::make_unique<AccountListCommand>(
        AccountList::MainAccountLinks, "mainaccount links", "输出关联到二级组的主账号"));
    commands.push_back(std::make_unique<MainAccountAddCommand>(
        "mainaccount add", "在一级组中创建主账号 (不给初始资金: 不限, \"不限\")"));
    commands.push_back(std::make_unique<MainAccountModifyCommand>(
        "mainaccount modify", "修改一级组的主账号 (没有变化时不发送)"));
    commands.push_back(std::make_unique<MainAccountDeleteCommand>(
        "mainaccount delete", "删除一级组的主账号 (会询问; --yes 回答)"));
    commands.push_back(std::make_unique<MainAccountLinkCommand>(true));
    commands.push_back(std::make_unique<MainAccountLinkCommand>(false));
    commands.push_back(std::make_unique<MainAccountSubAccountsCommand>(
        "mainaccount subaccounts", "以 TSV 输出各组中使用某主账号的子账号 (\"显示关联的子账号\")"));
}

}  // namespace korvant::cli
