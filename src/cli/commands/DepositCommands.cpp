#include <CLI/CLI.hpp>

#include <ostream>

#include "accounts/deposits/DepositForm.h"
#include "accounts/deposits/DepositOperations.h"
#include "app/desk/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/commands/AccountSelection.h"
#include "cli/commands/Commands.h"

// `deposit sub|main|link`: the dialog "出入金" for a sub-account, a main
// account of a first-level group or a main-account link of a second-level
// group, filled from the options. The dialog's info lines go to stderr.
namespace korvant::cli {
namespace {

class DepositCommand : public Command {
public:
    DepositCommand(DepositMode mode, std::string name, std::string help)
        : Command(std::move(name), std::move(help)), mode_(mode) {}
    void addOptions(CLI::App& app) override;
    bool run(CliContext& context) override;

private:
    DepositMode mode_;
    AccountTarget target_;
    bool withdraw_ = false;
    std::string available_, priority_, startInvestment_;
    std::string remark_;
    bool countInHistory_ = false;
};

void DepositCommand::addOptions(CLI::App& app) {
    target_.add(
        app, mode_ == DepositMode::MainAccount ? "一级组的 id" : "二级组的 id",
        mode_ == DepositMode::SubAccount ? "子账号 (\"账    号\")" : "主账号 (\"账    号\")");
    app.add_flag("--withdraw", withdraw_, "\"出金\" (默认 \"入金\")");
    app.add_option("--available", available_,
                   "可用资金的变动 (\"可用资金增加\" / \"可用资金减少\")");
    if (mode_ == DepositMode::Link) return;
    app.add_option("--priority", priority_, "优先资金的变动 (\"优先资金增加\")");
    app.add_option("--start-investment", startInvestment_, "期初投入的变动 (\"期初投入增加\")");
    if (mode_ == DepositMode::MainAccount) return;
    app.add_option("--remark", remark_, "备注 (\"备注(可不填)\")");
    app.add_flag("--count-in-history", countInHistory_, "勾选 \"计入历史总计出入金\"");
}

bool DepositCommand::run(CliContext& context) {
    const std::optional<Group> group = target_.findGroup(context);
    if (!group) return false;
    const CurrentGroup target = groupOf(*group);

    Desk& desk = context.desk();
    // Each deposit reads what its dialog shows, takes the options as the
    // dialog's values, checks them as the dialog does and sends the change.
    const auto fillAndCheck = [this, &context](std::optional<DepositForm>& form) {
        if (!form) return false;
        // What the dialog shows before the change.
        const DepositView view = depositView(*form);
        std::ostream& err = context.err();
        if (view.showEquity) err << view.equityLine << '\n';
        err << view.availableLine << '\n';
        if (view.showPriorityRows)
            err << view.priorityLine << '\n' << view.startInvestmentLine << '\n';
        if (view.showDepositable) err << view.depositableLine << '\n';
        form->direction = withdraw_ ? DepositDirectionOut : DepositDirectionIn;
        form->availableText = available_;
        form->priorityText = priority_;
        form->startInvestmentText = startInvestment_;
        form->remark = remark_;
        form->countInHistory = countInHistory_;
        return validateDepositForm(context.port(), *form);
    };
    switch (mode_) {
        case DepositMode::SubAccount: {
            const auto found = findSubAccounts(context, *group, {target_.account});
            if (!found) return false;
            const SubAccount account = found->front();
            std::optional<DepositForm> form = prepareSubAccountDeposit(desk, target, account);
            return fillAndCheck(form) && applySubAccountDeposit(desk, target, account, *form);
        }
        case DepositMode::MainAccount: {
            const auto found = findMainAccount(context, *group, target_.account);
            if (!found) return false;
            std::optional<DepositForm> form = prepareMainAccountDeposit(desk, target, *found);
            return fillAndCheck(form) && applyMainAccountDeposit(desk, target, *found, *form);
        }
        case DepositMode::Link: {
            const auto row = findMainAccountLink(context, *group, target_.account);
            if (!row) return false;
            const MainAccountLink link = desk.accounts().mainAccountLinks.at(*row);
            std::optional<DepositForm> form = prepareLinkDeposit(desk, target, link);
            return fillAndCheck(form) && applyLinkDeposit(desk, target, link, *form);
        }
    }
    return false;
}

}  // namespace

void addDepositCommands(CommandList& commands) {
    commands.push_back(std::make_unique<DepositCommand>(DepositMode::SubAccount, "deposit sub",
                                                        "二级组子账号的入金或出金"));
    commands.push_back(std::make_unique<DepositCommand>(DepositMode::MainAccount, "deposit main",
                                                        "一级组主账号的入金或出金"));
    commands.push_back(std::make_unique<DepositCommand>(DepositMode::Link, "deposit link",
                                                        "关联到二级组的主账号的入金或出金"));
}

}  // namespace korvant::cli
