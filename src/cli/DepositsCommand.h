#pragma once

#include <optional>
#include <string>

#include "cli/Command.h"

// `deposits`: one page of the deposit records (" 出入金记录 ") as TSV, or with
// --export FILE every page of the date range written as the desk's CSV file.
namespace korvant::cli {

class DepositsCommand : public Command {
public:
    std::string name() const override { return "deposits"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    int execute(CliContext& context) override;

private:
    int from_ = 0;
    int to_ = 0;
    std::string customer_;
    int accountId_ = -1;
    int page_ = 1;
    std::optional<std::string> exportPath_;
};

}  // namespace korvant::cli
