#pragma once

#include <string>

#include "cli/Command.h"

// `admin delete`: deletes an administrator of a group after the question
// (answered by --yes).
namespace korvant::cli {

class AdminDeleteCommand : public Command {
public:
    std::string name() const override { return "admin delete"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    int group_ = -1;
    std::string account_;
};

}  // namespace korvant::cli
