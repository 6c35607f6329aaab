#pragma once

#include <optional>
#include <string>

#include "accounts/deposits/DepositForm.h"
#include "cli/Command.h"

// `deposit sub`, `deposit main` and `deposit link`: the dialog "出入金" for a
// sub-account, a main account of a first-level group or a main-account
// link of a second-level group, filled from the options. The dialog's info
// lines go to stderr.
namespace korvant::cli {

class DepositCommand : public Command {
public:
    explicit DepositCommand(DepositMode mode) : mode_(mode) {}
    std::string name() const override;
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    DepositMode mode_;
    int group_ = -1;
    std::string account_;
    bool withdraw_ = false;
    std::string available_, priority_, startInvestment_;
    std::string remark_;
    bool countInHistory_ = false;
};

}  // namespace korvant::cli
