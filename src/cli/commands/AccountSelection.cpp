#include "cli/commands/AccountSelection.h"

#include <CLI/CLI.hpp>

#include "app/desk/Desk.h"
#include "app/lists/AccountListPages.h"
#include "cli/CliContext.h"

namespace korvant::cli {
namespace {

// Reads every page of `list` for `group` with the account as its keyword
// (the link list has none) and returns the row of the record with exactly
// this account. `read` tells whether every page came (its message was shown
// otherwise).
template <class Record>
std::optional<int> findRow(Desk& desk, const Group& group, AccountList list,
                           const RecordCache<Record>& cache, const std::string& account,
                           bool& read) {
    SearchFilter filter;
    filter.groupId = group.id;
    if (list != AccountList::MainAccountLinks) {
        filter.account = firstCharacters(account, 15);
        filter.flags = SearchFilter::AccountFlag;
    }
    read = loadAllAccountPages(desk, list, group.id, filter);
    if (!read) return std::nullopt;
    for (int row = 0; row < cache.count(); ++row)
        if (cache.at(row).account == account) return row;
    return std::nullopt;
}

std::string inGroup(const Group& group) {
    return "组 " + std::to_string(group.id) + " 中";
}

}  // namespace

std::optional<Group> findGroup(CliContext& context, int groupId) {
    const Group* cached = context.desk().reference().groupById(groupId);
    if (cached == nullptr) {
        context.refuse("没有组 " + std::to_string(groupId));
        return std::nullopt;
    }
    return *cached;
}

CurrentGroup groupOf(const Group& group) {
    return {group.id, group.groupCode, group.name};
}

std::optional<int> findAdministrator(CliContext& context, const Group& group,
                                     const std::string& account) {
    Desk& desk = context.desk();
    bool read = false;
    auto row = findRow(desk, group, AccountList::Administrators, desk.accounts().administrators,
                       account, read);
    if (!row && read) context.refuse(inGroup(group) + "没有管理员 " + account);
    return row;
}

std::optional<std::vector<SubAccount>> findSubAccounts(CliContext& context, const Group& group,
                                                       const std::vector<std::string>& accounts) {
    Desk& desk = context.desk();
    const RecordCache<SubAccount>& cache = desk.accounts().subAccounts;
    std::vector<SubAccount> found;
    bool complete = true;
    for (const std::string& account : accounts) {
        bool read = false;
        if (auto row = findRow(desk, group, AccountList::SubAccounts, cache, account, read)) {
            found.push_back(cache.at(*row));
        } else {
            if (!read) return std::nullopt;
            context.refuse(inGroup(group) + "没有子账号 " + account);
            complete = false;
        }
    }
    if (!complete) return std::nullopt;
    return found;
}

std::optional<MainAccount> findMainAccount(CliContext& context, const Group& group,
                                           const std::string& account) {
    Desk& desk = context.desk();
    const RecordCache<MainAccount>& cache = desk.accounts().mainAccounts;
    bool read = false;
    if (auto row = findRow(desk, group, AccountList::MainAccounts, cache, account, read))
        return cache.at(*row);
    if (read) context.refuse(inGroup(group) + "没有主账号 " + account);
    return std::nullopt;
}

std::optional<int> findMainAccountLink(CliContext& context, const Group& group,
                                       const std::string& account) {
    Desk& desk = context.desk();
    bool read = false;
    auto row = findRow(desk, group, AccountList::MainAccountLinks, desk.accounts().mainAccountLinks,
                       account, read);
    if (!row && read) context.refuse(inGroup(group) + "没有关联主账号 " + account);
    return row;
}

void AccountTarget::add(CLI::App& app, const std::string& groupHelp, const std::string& accountHelp,
                        bool accountRequired) {
    app.add_option("--group", group, groupHelp)->required();
    app.add_option("--account", account, accountHelp)->required(accountRequired);
}

std::optional<Group> AccountTarget::findGroup(CliContext& context) const {
    return cli::findGroup(context, group);
}

}  // namespace korvant::cli
