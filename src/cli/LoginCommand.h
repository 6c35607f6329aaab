#pragma once

#include "cli/Command.h"

// `login`: logs in, runs the start-up queries and prints the session and the
// cache counts as key<TAB>value lines.
namespace korvant::cli {

class LoginCommand : public Command {
public:
    std::string name() const override { return "login"; }
    std::string help() const override;
    int execute(CliContext& context) override;
};

}  // namespace korvant::cli
