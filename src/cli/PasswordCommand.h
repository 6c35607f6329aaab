#pragma once

#include <optional>
#include <string>

#include "cli/Command.h"

// `password`: changes the logged-in administrator's own password ("更改密码").
namespace korvant::cli {

class PasswordCommand : public Command {
public:
    std::string name() const override { return "password"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    std::string current_;
    std::string next_;
    std::optional<std::string> confirmation_;
};

}  // namespace korvant::cli
