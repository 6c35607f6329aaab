#pragma once

#include <string>

#include "cli/Command.h"

// `mainaccount delete`: deletes a main account of a first-level group after
// the question (answered by --yes).
namespace korvant::cli {

class MainAccountDeleteCommand : public Command {
public:
    std::string name() const override { return "mainaccount delete"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    int group_ = -1;
    std::string account_;
};

}  // namespace korvant::cli
