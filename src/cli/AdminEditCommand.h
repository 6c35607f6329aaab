#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"

// `admin add` and `admin modify`: the administrator dialog filled from the
// options. When modifying, options left out keep the record's values.
namespace korvant::cli {

class AdminEditCommand : public Command {
public:
    explicit AdminEditCommand(bool adding) : adding_(adding) {}
    std::string name() const override { return adding_ ? "admin add" : "admin modify"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    bool adding_;
    int group_ = -1;
    std::string account_;
    std::optional<std::string> password_, name_, permissions_;
    std::vector<std::string> ips_;
    bool clearIps_ = false;
    std::optional<int> monitorFrom_, monitorTo_;
    bool singleLogin_ = false;
    bool multiLogin_ = false;
};

}  // namespace korvant::cli
