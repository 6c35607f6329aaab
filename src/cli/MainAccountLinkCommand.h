#pragma once

#include <string>

#include "cli/Command.h"

// `mainaccount link` and `mainaccount unlink`: links a main account of the
// parent group to a second-level group, or removes the link (asks; --yes
// answers).
namespace korvant::cli {

class MainAccountLinkCommand : public Command {
public:
    explicit MainAccountLinkCommand(bool link) : link_(link) {}
    std::string name() const override { return link_ ? "mainaccount link" : "mainaccount unlink"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    bool link_;
    int group_ = -1;
    std::string account_;
};

}  // namespace korvant::cli
