#pragma once

#include <string>

#include "cli/Command.h"

// `mainaccount add`: the dialog "添加主账号" of a first-level group.
namespace korvant::cli {

class MainAccountAddCommand : public Command {
public:
    std::string name() const override { return "mainaccount add"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    int group_ = -1;
    std::string account_, initialFunds_, tradingPassword_, startInvestment_, priorityFunds_,
        fundPassword_, managementFee_, custodyFee_;
};

}  // namespace korvant::cli
