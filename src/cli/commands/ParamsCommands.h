#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/Command.h"

// `params show|set`: the dialog "交易参数" — the two close-today fee lists
// and the page " 其它参数 ".
namespace korvant::cli {

class ParamsShowCommand : public Command {
public:
    std::string name() const override { return "params show"; }
    std::string help() const override;
    bool run(CliContext& context) override;
};

class ParamsSetCommand : public Command {
public:
    std::string name() const override { return "params set"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    bool checkUsage(CliContext& context) override;
    bool run(CliContext& context) override;

private:
    std::string windowStart_, windowEnd_;
    std::optional<std::string> halfFee_;
    std::optional<std::string> noFee_;
    std::optional<int> positionProfit_;
    std::optional<int> closeProfit_;
    std::optional<std::string> overTrading_;
    std::optional<std::string> autoSettle_;
    std::optional<std::string> window_;
    std::optional<std::string> fundRate_;
};

}  // namespace korvant::cli
