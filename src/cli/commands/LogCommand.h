#pragma once

#include <string>

#include "cli/Command.h"

// `log`: one local page of the operation log ("日志管理") as TSV.
namespace korvant::cli {

class LogCommand : public Command {
public:
    std::string name() const override { return "log"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    std::string from_;
    std::string to_;
    std::string admin_;
    std::string keyword_;
    std::string kinds_;
    int page_ = 1;
};

}  // namespace korvant::cli
