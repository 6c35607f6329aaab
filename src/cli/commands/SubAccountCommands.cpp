#include <CLI/CLI.hpp>

#include "accounts/subaccounts/SubAccountForm.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "app/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/commands/AccountListCommand.h"
#include "cli/commands/AccountSelection.h"
#include "cli/commands/Commands.h"
#include "cli/commands/PasswordOptions.h"

// `subaccount list|add|modify|delete`: the sub-accounts of a group.
namespace korvant::cli {
namespace {

class SubAccountAddCommand : public Command {
public:
    std::string name() const override { return "subaccount add"; }
    std::string help() const override {
        return "add a sub-account to a second-level group (\"0042\" is sent as 42; the MAC text "
               "is cleaned)";
    }
    void addOptions(CLI::App& app) override {
        app.add_option("--group", group_, "id of the second-level group (\"组  别\")")->required();
        app.add_option("--account", account_, "account number (\"子账号\")");
        addPasswordOptions(app, password_, passwordStdin_, "password", "密  码");
        app.add_option("--name", name_, "name (\"名  称\")");
        app.add_option("--main-account", mainAccount_,
                       "main account linked to the group (\"主账号\"; default: the first)");
        app.add_option("--mac", mac_, "MAC restriction (\"MAC限定\")");
        app.add_option("--remark", remark_, "remark (\"备  注\")");
        app.add_flag("--no-fees-on-statement", noFeesOnStatement_, "\"结算单不显示手续费\"");
        app.add_flag("--no-single-side-margin", noSingleSideMargin_, "\"禁用单向大边保证金\"");
    }
    bool run(CliContext& context) override {
        if (!context.readSecretOption(passwordStdin_, password_, "密  码: ")) return false;
        if (!chooseGroup(context, group_, AccountList::SubAccounts)) return false;
        context.port().setFormFiller<SubAccountForm>([this](SubAccountForm& form) {
            SubAccountForm* f = &form;
            f->account = account_;
            f->password = password_.value_or("");
            f->name = name_;
            if (!mainAccount_.empty()) {
                f->mainAccountIndex = -1;
                for (std::size_t i = 0; i < f->mainAccounts.size(); ++i)
                    if (f->mainAccounts[i] == mainAccount_)
                        f->mainAccountIndex = static_cast<int>(i);
            }
            f->mac = mac_;
            f->remark = remark_;
            f->noFeesOnStatement = noFeesOnStatement_;
            f->noSingleSideMargin = noSingleSideMargin_;
            return true;
        });
        return addSubAccount(context.desk());
    }

private:
    int group_ = -1;
    std::string account_, name_, mainAccount_, mac_, remark_;
    std::optional<std::string> password_;
    bool passwordStdin_ = false;
    bool noFeesOnStatement_ = false;
    bool noSingleSideMargin_ = false;
};

class SubAccountModifyCommand : public Command {
public:
    std::string name() const override { return "subaccount modify"; }
    std::string help() const override {
        return "modify a sub-account (options left out keep their values)";
    }
    void addOptions(CLI::App& app) override {
        app.add_option("--group", group_, "id of the group listing the sub-account")->required();
        app.add_option("--account", account_, "account number (\"子账号\")")->required();
        addPasswordOptions(app, password_, passwordStdin_, "new password", "密  码");
        app.add_option("--name", name_, "new name (\"名  称\")");
        app.add_option("--new-group", newGroup_,
                       "id of a second-level group with the same first-level code (\"组  别\")");
        app.add_option("--main-account", mainAccount_, "main account (\"主账号\")");
        app.add_option("--mac", mac_, "MAC restriction (\"MAC限定\")");
        app.add_option("--remark", remark_, "remark (\"备  注\")");
        app.add_option("--no-fees-on-statement", noFeesOnStatement_,
                       "\"结算单不显示手续费\": 1 or 0")
            ->check(CLI::Range(0, 1));
        app.add_option("--no-single-side-margin", noSingleSideMargin_,
                       "\"禁用单向大边保证金\": 1 or 0")
            ->check(CLI::Range(0, 1));
    }
    bool run(CliContext& context) override {
        if (!context.readSecretOption(passwordStdin_, password_, "密  码: ")) return false;
        if (!chooseGroup(context, group_, AccountList::SubAccounts)) return false;
        const auto found = findSubAccounts(context, {account_});
        if (!found) return false;
        context.port().setFormFiller<SubAccountForm>([this](SubAccountForm& form) {
            SubAccountForm* f = &form;
            if (password_) f->password = *password_;
            if (name_) f->name = *name_;
            if (newGroup_) {
                f->groupIndex = -1;
                for (std::size_t i = 0; i < f->groups.size(); ++i)
                    if (f->groups[i].id == *newGroup_) f->groupIndex = static_cast<int>(i);
            }
            if (mainAccount_) {
                f->mainAccountIndex = -1;
                for (std::size_t i = 0; i < f->mainAccounts.size(); ++i)
                    if (f->mainAccounts[i] == *mainAccount_)
                        f->mainAccountIndex = static_cast<int>(i);
            }
            if (mac_) f->mac = *mac_;
            if (remark_) f->remark = *remark_;
            if (noFeesOnStatement_) f->noFeesOnStatement = *noFeesOnStatement_ != 0;
            if (noSingleSideMargin_) f->noSingleSideMargin = *noSingleSideMargin_ != 0;
            return true;
        });
        return modifySubAccount(context.desk(), &found->front());
    }

private:
    int group_ = -1;
    std::string account_;
    std::optional<std::string> password_, name_, mainAccount_, mac_, remark_;
    bool passwordStdin_ = false;
    std::optional<int> newGroup_;
    std::optional<int> noFeesOnStatement_, noSingleSideMargin_;
};

class SubAccountDeleteCommand : public Command {
public:
    std::string name() const override { return "subaccount delete"; }
    std::string help() const override {
        return "delete sub-accounts of a group after one question (--yes answers); each is sent "
               "and reported on its own";
    }
    void addOptions(CLI::App& app) override {
        app.add_option("--group", group_, "id of the group listing the sub-accounts")->required();
        app.add_option("--account", accounts_, "account number (\"子账号\"); repeat for several")
            ->required();
    }
    bool run(CliContext& context) override {
        if (!chooseGroup(context, group_, AccountList::SubAccounts)) return false;
        const auto found = findSubAccounts(context, accounts_);
        if (!found) return false;
        return deleteSubAccounts(context.desk(), *found);
    }

private:
    int group_ = -1;
    std::vector<std::string> accounts_;
};

}  // namespace

void addSubAccountCommands(CommandList& commands) {
    commands.push_back(
        std::make_unique<AccountListCommand>(AccountList::SubAccounts, "subaccount list",
                                             "print one page of the sub-accounts of a group"));
    commands.push_back(std::make_unique<SubAccountAddCommand>());
    commands.push_back(std::make_unique<SubAccountModifyCommand>());
    commands.push_back(std::make_unique<SubAccountDeleteCommand>());
}

}  // namespace korvant::cli
