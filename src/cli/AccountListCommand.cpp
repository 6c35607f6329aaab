#include "cli/AccountListCommand.h"

#include <CLI/CLI.hpp>

#include <ostream>

#include "app/AccountLists.h"
#include "app/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/Tsv.h"
#include "model/AccountColumns.h"
#include "model/ListAnswer.h"
#include "model/PagedQuery.h"

namespace korvant::cli {
namespace {

template <class Span>
void writeHeader(std::ostream& out, const Span& columns) {
    std::vector<std::string> captions;
    for (const ListColumn& c : columns)
        if (!c.hidden) captions.push_back(c.caption);
    writeTsvRow(out, captions);
}

template <class Span>
void writeRow(std::ostream& out, const Span& columns, const std::vector<std::string>& cells) {
    std::vector<std::string> shown;
    for (std::size_t i = 0; i < cells.size() && i < columns.size(); ++i)
        if (!columns[i].hidden) shown.push_back(cells[i]);
    writeTsvRow(out, shown);
}

// The main accounts of the first-level parent of a second-level group, all
// pages: the link list shows funds only for those with initial funds.
std::vector<MainAccount> parentMainAccounts(Desk& desk, int groupId) {
    std::vector<MainAccount> all;
    const Group* group = desk.reference().groupById(groupId);
    if (group == nullptr) return all;
    for (int page = 0; page < MaxQueryPages; ++page) {
        if (!queryAccountList(desk, AccountList::MainAccounts, group->parentId, SearchFilter{},
                              page))
            break;
        const auto& cache = desk.accounts().mainAccounts;
        all.insert(all.end(), cache.records.begin(), cache.records.end());
        if (cache.cursor.last != page || page >= cache.cursor.total - 1) break;
    }
    return all;
}

}  // namespace

AccountListCommand::AccountListCommand(AccountList list) : list_(list) {}

std::string AccountListCommand::name() const {
    switch (list_) {
        case AccountList::Administrators:
            return "admin list";
        case AccountList::MainAccounts:
            return "mainaccount list";
        case AccountList::MainAccountLinks:
            return "mainaccount links";
        case AccountList::SubAccounts:
            return "subaccount list";
        case AccountList::None:
            break;
    }
    return "?";
}

std::string AccountListCommand::help() const {
    switch (list_) {
        case AccountList::Administrators:
            return "print one page of the administrators of a group";
        case AccountList::MainAccounts:
            return "print one page of the main accounts of a first-level group";
        case AccountList::MainAccountLinks:
            return "print the main accounts linked to a second-level group";
        case AccountList::SubAccounts:
            return "print one page of the sub-accounts of a group";
        case AccountList::None:
            break;
    }
    return {};
}

void AccountListCommand::addOptions(CLI::App& app) {
    app.add_option("--group", options_.group, "group id (-1 = all groups, \"全部\")")->required();
    app.add_option("--page", options_.page, "page number, from 1 (default 1)")
        ->check(CLI::PositiveNumber);
    if (list_ == AccountList::MainAccountLinks) return;
    app.add_option("--account", options_.account, "account keyword (\"用户名\")");
    if (list_ == AccountList::MainAccounts) return;
    app.add_option("--password", options_.password, "password keyword (\"密码\")");
    app.add_option("--date", options_.date, "opening date YYYYMMDD (\"开户日期\")");
    app.add_option("--remark", options_.remark, "remark keyword (\"备注\")");
}

int AccountListCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    Desk& desk = context.desk();

    SearchFilter filter;
    filter.groupId = options_.group;
    if (options_.account && !options_.account->empty()) {
        filter.account = firstCharacters(*options_.account, 15);
        filter.flags |= SearchFilter::AccountFlag;
    }
    if (options_.password && !options_.password->empty()) {
        filter.password = firstCharacters(*options_.password, 15);
        filter.flags |= SearchFilter::PasswordFlag;
    }
    if (options_.date && *options_.date != 0) {
        filter.openingDate = *options_.date;
        filter.flags |= SearchFilter::OpeningDateFlag;
    }
    if (options_.remark && !options_.remark->empty()) {
        filter.remark = firstCharacters(*options_.remark, 31);
        filter.flags |= SearchFilter::RemarkFlag;
    }

    std::vector<MainAccount> firstLevel;
    if (list_ == AccountList::MainAccountLinks)
        firstLevel = parentMainAccounts(desk, options_.group);

    MainState& state = desk.mainState();
    state.view = ViewKind::Accounts;
    state.group.id = options_.group;
    state.filter = filter;
    showAccountList(desk, list_, options_.page - 1);

    std::ostream& out = context.out();
    const AccountCaches& caches = desk.accounts();
    switch (list_) {
        case AccountList::Administrators:
            writeHeader(out, administratorListColumns());
            for (const auto& r : caches.administrators.records)
                writeRow(out, administratorListColumns(), administratorListCells(r));
            break;
        case AccountList::MainAccounts:
            writeHeader(out, mainAccountListColumns());
            for (const auto& r : caches.mainAccounts.records)
                writeRow(out, mainAccountListColumns(), mainAccountListCells(r));
            break;
        case AccountList::MainAccountLinks:
            writeHeader(out, mainAccountLinkListColumns());
            for (const auto& r : caches.mainAccountLinks.records)
                writeRow(out, mainAccountLinkListColumns(),
                         mainAccountLinkListCells(r, firstLevel));
            break;
        case AccountList::SubAccounts:
            writeHeader(out, subAccountListColumns());
            for (const auto& r : caches.subAccounts.records)
                writeRow(out, subAccountListColumns(), subAccountListCells(r));
            break;
        case AccountList::None:
            break;
    }
    out.flush();
    context.err() << pageLabelText(state.labelPage, state.labelTotal) << '\n' << std::flush;
    return ExitDone;
}

}  // namespace korvant::cli
