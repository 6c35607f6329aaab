#pragma once

#include <optional>
#include <string>

#include "app/desk/AccountList.h"
#include "cli/Command.h"

// The `list` verbs of the account objects (`admin list`, `mainaccount
// list`, `mainaccount links`, `subaccount list`): one page of an account
// list of a group, as the desk shows it, as TSV; the page label
// "当前第%d/%d页" on stderr. A list whose answer was refused or could not be
// decoded prints its message and nothing else (exit 1). Passwords are
// printed "******" unless --show-passwords is given.
namespace korvant::cli {

class AccountListCommand : public Command {
public:
    AccountListCommand(AccountList list, std::string name, std::string help);
    void addOptions(CLI::App& app) override;
    bool run(CliContext& context) override;

private:
    AccountList list_;
    int group_ = -1;
    int page_ = 1;  // from 1, as the label counts
    std::optional<std::string> account_, password_, remark_;
    std::optional<int> date_;
    bool showPasswords_ = false;
};

}  // namespace korvant::cli
