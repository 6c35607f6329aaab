#pragma once

#include "cli/Command.h"

// `group list`: logs in and prints the group tree as TSV.
namespace korvant::cli {

class GroupListCommand : public Command {
public:
    std::string name() const override { return "group list"; }
    std::string help() const override;
    int execute(CliContext& context) override;
};

}  // namespace korvant::cli
