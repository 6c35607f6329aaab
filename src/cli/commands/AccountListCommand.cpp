#include "cli/commands/AccountListCommand.h"

#include <CLI/CLI.hpp>

#include <ostream>

#include "app/desk/Desk.h"
#include "app/lists/AccountListPage.h"
#include "app/lists/AccountListQuery.h"
#include "app/lists/LinkedAccountLoads.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/commands/AccountSelection.h"

namespace korvant::cli {

AccountListCommand::AccountListCommand(AccountList list, std::string name, std::string help)
    : Command(std::move(name), std::move(help)), list_(list) {}

void AccountListCommand::addOptions(CLI::App& app) {
    app.add_option("--group", group_, "组 id (-1 为全部组, \"全部\")")->required();
    addPageOption(app, page_);
    if (list_ == AccountList::MainAccountLinks) return;
    if (list_ != AccountList::MainAccounts)
        app.add_flag("--show-passwords", showPasswords_,
                     "输出密码 (\"密码\"); 不给出时在各种 --format 中都输出为 ******");
    // The search fields have names of their own: the login's "--password"
    // must not change meaning with its place on the line. The old spellings
    // after a list command are refused with the new name.
    auto renamed = [&app](const std::string& old, const std::string& now) {
        app.add_option(
               old, [](const CLI::results_t&) { return true; }, "")
            ->group("")
            ->check(CLI::Validator(
                [old, now](std::string&) {
                    return "列表命令的查询选项 " + old + " 已改名为 " + now;
                },
                ""));
    };
    app.add_option("--match-account", account_, "账号关键字 (\"用户名\")");
    renamed("--account", "--match-account");
    if (list_ == AccountList::MainAccounts) return;
    app.add_option("--match-password", password_, "密码关键字 (\"密码\")");
    app.add_option("--match-date", date_, "开户日期 YYYYMMDD (\"开户日期\")");
    app.add_option("--match-remark", remark_, "备注关键字 (\"备注\")");
    renamed("--password", "--match-password");
    renamed("--date", "--match-date");
    renamed("--remark", "--match-remark");
}

bool AccountListCommand::run(CliContext& context) {
    Desk& desk = context.desk();

    SearchFilter filter;
    filter.groupId = group_;
    if (account_ && !account_->empty()) {
        filter.account = firstCharacters(*account_, 15);
        filter.flags |= SearchFilter::AccountFlag;
    }
    if (password_ && !password_->empty()) {
        filter.password = firstCharacters(*password_, 15);
        filter.flags |= SearchFilter::PasswordFlag;
    }
    if (date_ && *date_ != 0) {
        filter.openingDate = *date_;
        filter.flags |= SearchFilter::OpeningDateFlag;
    }
    if (remark_ && !remark_->empty()) {
        filter.remark = firstCharacters(*remark_, 31);
        filter.flags |= SearchFilter::RemarkFlag;
    }

    std::string groupCode;
    if (group_ != -1) {
        const std::optional<Group> group = findGroup(context, group_);
        if (!group) return false;
        groupCode = group->groupCode;
    }
    context.pageWriter().showPasswords(showPasswords_);
    AccountListPage& page = accountListPage(desk, list_);
    page.setQuery(group_, filter);  // the later pages of --all
    const bool answered = queryAccountList(desk, list_, group_, filter, page_ - 1);
    // The link list shows funds only for parent main accounts with initial
    // funds: those are read after it, as the desk reads them.
    if (list_ == AccountList::MainAccountLinks) loadParentMainAccounts(desk, groupCode);
    if (!answered) return false;
    printPage(context, page);
    return true;
}

}  // namespace korvant::cli
