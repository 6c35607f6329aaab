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
    using Command::Command;
    void addOptions(CLI::App& app) override {
        target_.add(app, "id of the first-level group", "main account (\"主 账 号\")", false);
        // The options fill the dialog's values directly.
        app.add_option("--initial-funds", values_.initialFunds,
                       "funds to allocate to sub-accounts (\"初始资金\"; empty = not limited)");
        app.add_option("--trading-password", values_.tradingPassword, "\"交易密码\"");
        app.add_option("--start-investment", values_.startInvestment, "\"期初投入\"");
        app.add_option("--priority-funds", values_.priorityFunds, "\"优先资金\"");
        app.add_option("--fund-password", values_.fundPassword, "\"资金密码\"");
        app.add_option("--management-fee", values_.managementFee, "\"管 理 费\", percent");
        app.add_option("--custody-fee", values_.custodyFee, "\"托 管 费\", percent");
    }
    bool run(CliContext& context) override {
        if (!target_.choose(context, AccountList::MainAccounts)) return false;
        Desk& desk = context.desk();
        FrontEndPort& port = context.port();
        if (!mayCreateMainAccount(desk)) return false;
        MainAccountForm form = values_;
        form.account = target_.account;
        return validateMainAccountForm(port, form) &&
               createMainAccount(desk, desk.mainState().group.code, form).done;
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
    void addOptions(CLI::App& app) override {
        target_.add(app, "id of the first-level group", "main account");
    }

protected:
    std::optional<MainAccount> chosenRecord(CliContext& context) const {
        if (!target_.choose(context, AccountList::MainAccounts)) return std::nullopt;
        return findMainAccount(context, target_.account);
    }

private:
    AccountTarget target_;
};

class MainAccountModifyCommand : public OneMainAccountCommand {
public:
    using OneMainAccountCommand::OneMainAccountCommand;
    void addOptions(CLI::App& app) override {
        OneMainAccountCommand::addOptions(app);
        app.add_option("--fund-password", fundPassword_, "\"资金密码\" (empty = unchanged)");
        app.add_option("--trading-password", tradingPassword_, "\"交易密码\" (empty = unchanged)");
        app.add_option("--management-fee", managementFee_, "\"管理费率\", percent");
        app.add_option("--custody-fee", custodyFee_, "\"托管费率\", percent");
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
        : Command(link ? "mainaccount link" : "mainaccount unlink",
                  link ? "link a main account of the parent group to a second-level group"
                       : "remove a main account from a second-level group (asks; --yes answers)"),
          link_(link) {}
    void addOptions(CLI::App& app) override {
        target_.add(app, "id of the second-level group",
                    link_ ? "main account of the parent group (\"可选主账号\"; default: the "
                            "first offered)"
                          : "linked main account (\"隶属主账号\")",
                    !link_);
    }
    bool run(CliContext& context) override {
        if (!target_.choose(context, AccountList::MainAccountLinks)) return false;
        Desk& desk = context.desk();
        if (!link_) {
            const auto row = findMainAccountLink(context, target_.account);
            if (!row) return false;
            if (!confirmUnlinkMainAccount(desk, *row)) return false;
            return unlinkMainAccount(desk, target_.account);
        }
        std::optional<MainAccountLinkForm> form = prepareMainAccountLink(desk);
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
        return linkMainAccount(desk, desk.mainState().group.code, form->selectedAccount()).done;
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
        AccountList::MainAccounts, "mainaccount list",
        "print one page of the main accounts of a first-level group"));
    commands.push_back(std::make_unique<AccountListCommand>(
        AccountList::MainAccountLinks, "mainaccount links",
        "print the main accounts linked to a second-level group"));
    commands.push_back(std::make_unique<MainAccountAddCommand>(
        "mainaccount add",
        "create a main account in a first-level group (no initial funds: not limited, "
        "\"不限\")"));
    commands.push_back(std::make_unique<MainAccountModifyCommand>(
        "mainaccount modify",
        "modify a main account of a first-level group (nothing is sent when nothing "
        "changes)"));
    commands.push_back(std::make_unique<MainAccountDeleteCommand>(
        "mainaccount delete",
        "delete a main account of a first-level group (asks; --yes answers)"));
    commands.push_back(std::make_unique<MainAccountLinkCommand>(true));
    commands.push_back(std::make_unique<MainAccountLinkCommand>(false));
    commands.push_back(std::make_unique<MainAccountSubAccountsCommand>(
        "mainaccount subaccounts",
        "print the sub-accounts of every group that use a main account as TSV "
        "(\"显示关联的子账号\")"));
}

}  // namespace korvant::cli
