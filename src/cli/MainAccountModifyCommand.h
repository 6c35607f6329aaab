#pragma once

#include <optional>
#include <string>

#include "cli/Command.h"

// `mainaccount modify`: the dialog "修改主账号" for a main account of a
// first-level group; the fee rates left out keep their listed values.
namespace korvant::cli {

class MainAccountModifyCommand : public Command {
public:
    std::string name() const override { return "mainaccount modify"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    int group_ = -1;
    std::string account_, fundPassword_, tradingPassword_;
    std::optional<std::string> managementFee_, custodyFee_;
    bool clearFeesDue_ = false;
};

}  // namespace korvant::cli
