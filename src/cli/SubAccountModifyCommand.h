#pragma once

#include <optional>
#include <string>

#include "cli/Command.h"

// `subaccount modify`: the dialog "修改子账号" for one sub-account of a
// group; options left out keep the values shown.
namespace korvant::cli {

class SubAccountModifyCommand : public Command {
public:
    std::string name() const override { return "subaccount modify"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    int group_ = -1;
    std::string account_;
    std::optional<std::string> password_, name_, mainAccount_, mac_, remark_;
    std::optional<int> newGroup_;
    std::optional<int> noFeesOnStatement_, noSingleSideMargin_;
};

}  // namespace korvant::cli
