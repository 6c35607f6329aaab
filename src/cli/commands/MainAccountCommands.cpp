#include <CLI/CLI.hpp>

#include <ostream>

#include "accounts/mainaccounts/MainAccountChangeForm.h"
#include "accounts/mainaccounts/MainAccountForm.h"
#include "accounts/mainaccounts/MainAccountLinkForm.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/Desk.h"
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
    std::string name() const override { return "mainaccount add"; }
    std::string help() const override {
        return "create a main account in a first-level group (no initial funds: not limited, "
               "\"不限\")";
    }
    void addOptions(CLI::App& app) override {
        app.add_option("--group", group_, "id of the first-level group")->required();
        app.add_option("--account", account_, "main account (\"主 账 号\")");
        app.add_option("--initial-funds", initialFunds_,
                       "funds to allocate to sub-accounts (\"初始资金\"; empty = not limited)");
        app.add_option("--trading-password", tradingPassword_, "\"交易密码\"");
        app.add_option("--start-investment", startInvestment_, "\"期初投入\"");
        app.add_option("--priority-funds", priorityFunds_, "\"优先资金\"");
        app.add_option("--fund-password", fundPassword_, "\"资金密码\"");
        app.add_option("--management-fee", managementFee_, "\"管 理 费\", percent");
        app.add_option("--custody-fee", custodyFee_, "\"托 管 费\", percent");
    }
    bool run(CliContext& context) override {
        if (!chooseGroup(context, group_, AccountList::MainAccounts)) return false;
        Desk& desk = context.desk();
        FrontEndPort& port = context.port();
        if (!mayCreateMainAccount(desk)) return false;
        MainAccountForm form;
        form.account = account_;
        form.initialFunds = initialFunds_;
        form.tradingPassword = tradingPassword_;
        form.startInvestment = startInvestment_;
        form.priorityFunds = priorityFunds_;
        form.fundPassword = fundPassword_;
        form.managementFee = managementFee_;
        form.custodyFee = custodyFee_;
        return validateMainAccountForm(port, form) &&
               createMainAccount(desk, desk.mainState().group.code, form).done;
    }

private:
    int group_ = -1;
    std::string account_, initialFunds_, tradingPassword_, startInvestment_, priorityFunds_,
        fundPassword_, managementFee_, custodyFee_;
};

class MainAccountModifyCommand : public Command {
public:
    std::string name() const override { return "mainaccount modify"; }
    std::string help() const override {
        return "modify a main account of a first-level group (nothing is sent when nothing "
               "changes)";
    }
    void addOptions(CLI::App& app) override {
        app.add_option("--group", group_, "id of the first-level group")->required();
        app.add_option("--account", account_, "main account")->required();
        app.add_option("--fund-password", fundPassword_, "\"资金密码\" (empty = unchanged)");
        app.add_option("--trading-password", tradingPassword_, "\"交易密码\" (empty = unchanged)");
        app.add_option("--management-fee", managementFee_, "\"管理费率\", percent");
        app.add_option("--custody-fee", custodyFee_, "\"托管费率\", percent");
        app.add_flag("--clear-fees-due", clearFeesDue_, "\"清除应提费用\"");
    }
    bool run(CliContext& context) override {
        if (!chooseGroup(context, group_, AccountList::MainAccounts)) return false;
        const auto record = findMainAccount(context, account_);
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
    int group_ = -1;
    std::string account_, fundPassword_, tradingPassword_;
    std::optional<std::string> managementFee_, custodyFee_;
    bool clearFeesDue_ = false;
};

class MainAccountDeleteCommand : public Command {
public:
    std::string name() const override { return "mainaccount delete"; }
    std::string help() const override {
        return "delete a main account of a first-level group (asks; --yes answers)";
    }
    void addOptions(CLI::App& app) override {
        app.add_option("--group", group_, "id of the first-level group")->required();
        app.add_option("--account", account_, "main account")->required();
    }
    bool run(CliContext& context) override {
        if (!chooseGroup(context, group_, AccountList::MainAccounts)) return false;
        const auto record = findMainAccount(context, account_);
        if (!record) return false;
        return deleteMainAccount(context.desk(), &*record);
    }

private:
    int group_ = -1;
    std::string account_;
};

// `mainaccount link` and `mainaccount unlink`.
class MainAccountLinkCommand : public Command {
public:
    explicit MainAccountLinkCommand(bool link) : link_(link) {}
    std::string name() const override { return link_ ? "mainaccount link" : "mainaccount unlink"; }
    std::string help() const override {
        return link_ ? "link a main account of the parent group to a second-level group"
                     : "remove a main account from a second-level group (asks; --yes answers)";
    }
    void addOptions(CLI::App& app) override {
        app.add_option("--group", group_, "id of the second-level group")->required();
        app.add_option("--account", account_,
                       link_ ? "main account of the parent group (\"可选主账号\"; default: the "
                               "first offered)"
                             : "linked main account (\"隶属主账号\")")
            ->required(!link_);
    }
    bool run(CliContext& context) override {
        if (!chooseGroup(context, group_, AccountList::MainAccountLinks)) return false;
        Desk& desk = context.desk();
        if (!link_) {
            const auto row = findMainAccountLink(context, account_);
            if (!row) return false;
            if (!confirmUnlinkMainAccount(desk, *row)) return false;
            return unlinkMainAccount(desk, account_);
        }
        std::optional<MainAccountLinkForm> form = prepareMainAccountLink(desk);
        if (!form) return false;
        if (!account_.empty()) {
            form->selected = -1;
            for (std::size_t i = 0; i < form->accounts.size(); ++i)
                if (form->accounts[i] == account_) form->selected = static_cast<int>(i);
        }
        if (form->selected < 0)
            return context.refuse("main account " + (account_.empty() ? "(first)" : account_) +
                                  " is not offered by the parent group");
        return linkMainAccount(desk, desk.mainState().group.code, form->selectedAccount()).done;
    }

private:
    bool link_;
    int group_ = -1;
    std::string account_;
};

class MainAccountSubAccountsCommand : public Command {
public:
    std::string name() const override { return "mainaccount subaccounts"; }
    std::string help() const override {
        return "print the sub-accounts of every group that use a main account as TSV "
               "(\"显示关联的子账号\")";
    }
    void addOptions(CLI::App& app) override {
        app.add_option("--group", group_, "id of the first-level group")->required();
        app.add_option("--account", account_, "main account")->required();
    }
    bool run(CliContext& context) override {
        if (!chooseGroup(context, group_, AccountList::MainAccounts)) return false;
        const auto record = findMainAccount(context, account_);
        if (!record) return false;
        const auto found = linkedSubAccounts(context.desk(), record->account);
        TablePage table(linkedSubAccountCaptions(), subAccountFieldNames());
        for (const SubAccount& s : found)
            table.add(linkedSubAccountCells(s), subAccountRawValues(s));
        printRows(context, table);
        return true;
    }

private:
    int group_ = -1;
    std::string account_;
};

}  // namespace

void addMainAccountCommands(CommandList& commands) {
    commands.push_back(std::make_unique<AccountListCommand>(
        AccountList::MainAccounts, "mainaccount list",
        "print one page of the main accounts of a first-level group"));
    commands.push_back(std::make_unique<AccountListCommand>(
        AccountList::MainAccountLinks, "mainaccount links",
        "print the main accounts linked to a second-level group"));
    commands.push_back(std::make_unique<MainAccountAddCommand>());
    commands.push_back(std::make_unique<MainAccountModifyCommand>());
    commands.push_back(std::make_unique<MainAccountDeleteCommand>());
    commands.push_back(std::make_unique<MainAccountLinkCommand>(true));
    commands.push_back(std::make_unique<MainAccountLinkCommand>(false));
    commands.push_back(std::make_unique<MainAccountSubAccountsCommand>());
}

}  // namespace korvant::cli
