#pragma once

#include <optional>
#include <string>

#include "cli/Command.h"

// `settle start|status|clear|prices|price`: the settlement commands of the
// "操作" menu. The command line has no session memory, so the price
// commands take the settlement date with --date.
namespace korvant::cli {

class SettleStartCommand : public Command {
public:
    std::string name() const override { return "settle start"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    bool run(CliContext& context) override;

private:
    bool wait_ = false;
    int intervalMs_ = 5000;
    int timeoutSeconds_ = 600;
};

class SettleStatusCommand : public Command {
public:
    std::string name() const override { return "settle status"; }
    std::string help() const override;
    bool run(CliContext& context) override;
};

class SettleClearCommand : public Command {
public:
    std::string name() const override { return "settle clear"; }
    std::string help() const override;
    bool run(CliContext& context) override;
};

class SettlePricesCommand : public Command {
public:
    std::string name() const override { return "settle prices"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    bool run(CliContext& context) override;

private:
    int date_ = 0;
    int page_ = 1;
};

class SettlePriceCommand : public Command {
public:
    std::string name() const override { return "settle price"; }
    std::string help() const override;
    void addOptions(CLI::App& app) override;
    bool run(CliContext& context) override;

private:
    int date_ = 0;
    std::string exchange_;
    std::string contract_;
    std::string price_;
};

}  // namespace korvant::cli
