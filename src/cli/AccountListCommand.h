#pragma once

#include <optional>
#include <string>

#include "app/MainState.h"
#include "cli/Command.h"

// `admin list`, `mainaccount list`, `mainaccount links` and `subaccount
// list`: one page of an account list of a group, as the desk shows it, as
// TSV; the page label "当前第%d/%d页" on stderr.
namespace korvant::cli {

struct AccountListOptions {
    int group = -1;
    int page = 1;  // from 1, as the label counts
    std::optional<std::string> account, password, remark;
    std::optional<int> date;
};

class AccountListCommand : public Command {
public:
    explicit AccountListCommand(AccountList list);
    std::string name() const override;
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    AccountList list_;
    AccountListOptions options_;
};

}  // namespace korvant::cli
