#pragma once

#include <string>
#include <vector>

#include "cli/Command.h"

// `subaccount delete`: deletes one or several sub-accounts of a group after
// the confirmation (answered by --yes).
namespace korvant::cli {

class SubAccountDeleteCommand : public Command {
public:
    std::string name() const override { return "subaccount delete"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    int group_ = -1;
    std::vector<std::string> accounts_;
};

}  // namespace korvant::cli
