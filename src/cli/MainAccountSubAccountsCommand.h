#pragma once

#include <string>

#include "cli/Command.h"

// `mainaccount subaccounts`: "显示关联的子账号", the sub-accounts of every
// group whose main account is the given one, as TSV.
namespace korvant::cli {

class MainAccountSubAccountsCommand : public Command {
public:
    std::string name() const override { return "mainaccount subaccounts"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    int group_ = -1;
    std::string account_;
};

}  // namespace korvant::cli
