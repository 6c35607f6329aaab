#pragma once

#include <string>

#include "cli/Command.h"

// `subaccount add`: the dialog "添加子账号" for a second-level group, its
// fields from the options.
namespace korvant::cli {

class SubAccountAddCommand : public Command {
public:
    std::string name() const override { return "subaccount add"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    int group_ = -1;
    std::string account_, password_, name_, mainAccount_, mac_, remark_;
    bool noFeesOnStatement_ = false;
    bool noSingleSideMargin_ = false;
};

}  // namespace korvant::cli
