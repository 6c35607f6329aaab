#pragma once

#include <optional>
#include <string>

#include "cli/Command.h"

// `group add` and `group modify`: the group dialog filled from the options.
// When modifying, options left out keep the group's values.
namespace korvant::cli {

class GroupEditCommand : public Command {
public:
    explicit GroupEditCommand(bool adding) : adding_(adding) {}
    std::string name() const override { return adding_ ? "group add" : "group modify"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    bool adding_;
    int group_ = -1;
    std::optional<std::string> name_, remark_;
    std::optional<int> allowed_, rangeFrom_, rangeTo_;
};

}  // namespace korvant::cli
