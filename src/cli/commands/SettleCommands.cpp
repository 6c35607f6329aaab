#include <CLI/CLI.hpp>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <thread>

#include "app/Desk.h"
#include "app/Permissions.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/Tsv.h"
#include "cli/commands/Commands.h"
#include "reports/settlement/SettlementOperations.h"
#include "text/NumberText.h"

// `settle start|status|clear|prices|price`: the settlement commands of the
// "操作" menu. The command line has no session memory, so the price
// commands take the settlement date with --date.
namespace korvant::cli {
namespace {

// Every page of the settlement prices of `date` (the load checks the
// permission).
bool loadPrices(Desk& desk, int date, SettlementPricePage& page) {
    page.date = date;
    return page.load(desk);
}

class SettleStartCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        app.add_flag(
            "--wait", wait_,
            "poll the status as the dialog \"结算状态\" does and print each change; exit 0 "
            "on \"结算完成!\", 1 on a failure");
        app.add_option("--interval", intervalMs_, "milliseconds between two polls (default 5000)")
            ->check(CLI::Range(0, 600000));
        app.add_option("--timeout", timeoutSeconds_,
                       "seconds to wait at most with --wait (default 600)")
            ->check(CLI::Range(1, 86400));
    }
    bool run(CliContext& context) override {
        Desk& desk = context.desk();
        if (!requestSettlementStart(desk)) return false;
        // What the status dialog shows, and with --wait its polling.
        SettlementWatch watch(desk);
        std::ostream& out = context.out();
        out << "date\t" << desk.mainState().settlementDate << "\n";
        out << "text\t" << tsvCell(watch.text()) << "\n" << std::flush;
        if (!wait_) return true;
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds_);
        while (watch.polling()) {
            if (std::chrono::steady_clock::now() >= deadline) {
                watch.stop();
                context.port().warn("结算仍在进行，已停止等待。");
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs_));
            if (watch.tick()) out << "text\t" << tsvCell(watch.text()) << "\n" << std::flush;
        }
        return watch.phase() == SettlementWatch::Phase::Finished;
    }

private:
    bool wait_ = false;
    int intervalMs_ = 5000;
    int timeoutSeconds_ = 600;
};

class SettleStatusCommand : public Command {
public:
    using Command::Command;
    bool run(CliContext& context) override {
        SettlementWatch watch(context.desk());
        watch.tick();
        if (!watch.understood()) {
            // A state the desk would keep polling through: one look says nothing.
            if (context.port().errorCount() == 0) context.refuse("服务器没有给出已知的结算状态");
            return false;
        }
        context.out() << "text\t" << tsvCell(watch.text()) << "\n" << std::flush;
        return watch.phase() != SettlementWatch::Phase::Failed;
    }
};

class SettleClearCommand : public Command {
public:
    using Command::Command;
    bool run(CliContext& context) override { return clearSettlement(context.desk()); }
};

class SettlePricesCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        app.add_option("--date", date_, "settlement date YYYYMMDD (as printed by settle start)")
            ->required();
        addPageOption(app, page_);
    }
    bool run(CliContext& context) override {
        Desk& desk = context.desk();
        SettlementPricePage page;
        if (!loadPrices(desk, date_, page)) return false;
        if (page_ > 1 && !page.showPage(desk, page_ - 1))
            return context.refuse("没有第 " + std::to_string(page_) + " 页");
        printPage(context, page);
        return true;
    }

private:
    int date_ = 0;
    int page_ = 1;
};

class SettlePriceCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        app.add_option("--date", date_, "settlement date YYYYMMDD")->required();
        app.add_option("--exchange", exchange_, "exchange (\"市场\")")->required();
        app.add_option("--contract", contract_, "contract (\"合约\")")->required();
        app.add_option("--price", price_,
                       "new price as typed into the cell (0 or text that is no number: 0)")
            ->required();
    }
    bool run(CliContext& context) override {
        Desk& desk = context.desk();
        SettlementPricePage page;
        if (!loadPrices(desk, date_, page)) return false;
        const int64_t index = page.find(exchange_, contract_);
        const int rows = SettlementPricePage::RowsPerPage;
        if (index < 0 || !page.showPage(desk, static_cast<int>(index / rows))) {
            context.port().error("没有找到合约 " + exchange_ + " " + contract_);
            return false;
        }
        const int row = static_cast<int>(index % rows);
        if (!page.setPrice(desk, row, price_)) return false;
        writeTsvRow(context.out(), {"日期", "市场", "合约", "结算价"});
        writeTsvRow(context.out(), page.cells(row));
        context.out().flush();
        return true;
    }

private:
    int date_ = 0;
    std::string exchange_;
    std::string contract_;
    std::string price_;
};

// --- settle start ---

// --- settle status ---

// --- settle clear ---

// --- settle prices ---

// --- settle price ---

}  // namespace

void addSettleCommands(CommandList& commands) {
    commands.push_back(std::make_unique<SettleStartCommand>(
        "settle start",
        "start the settlement (\"开始结算\"); with --wait poll its status until it ends"));
    commands.push_back(std::make_unique<SettleStatusCommand>(
        "settle status", "ask the settlement status once and print its text"));
    commands.push_back(std::make_unique<SettleClearCommand>(
        "settle clear", "clear today's settlement result (\"清除结算数据\"; asks, --yes answers)"));
    commands.push_back(std::make_unique<SettlePricesCommand>(
        "settle prices",
        "print one page of the settlement prices of a settlement date (\"结算价设置\")"));
    commands.push_back(std::make_unique<SettlePriceCommand>(
        "settle price", "set the settlement price of one contract (the \"结算价\" cell)"));
}

}  // namespace korvant::cli
