#pragma once

#include <string>

#include "cli/Command.h"
#include "reports/log/OperationLog.h"

// `log`: one local page of the operation log ("日志管理") as TSV.
namespace korvant::cli {

class LogCommand : public Command {
public:
    std::string name() const override { return "log"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    bool checkUsage(CliContext& context) override;
    bool run(CliContext& context) override;

private:
    LogQuery query_;
    std::string from_;
    std::string to_;
    std::string admin_;
    std::string keyword_;
    std::string kinds_;
    int page_ = 1;
};

}  // namespace korvant::cli
