#include "cli/commands/SettleCommands.h"

#include <CLI/CLI.hpp>

#include <chrono>
#include <ostream>
#include <thread>

#include "app/Desk.h"
#include "app/Permissions.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/Tsv.h"
#include "reports/settlement/SettlementOperations.h"
#include "text/NumberText.h"

namespace korvant::cli {

// --- settle start ---

std::string SettleStartCommand::help() const {
    return "start the settlement (\"开始结算\"); with --wait poll its status until it ends";
}

void SettleStartCommand::addOptions(CLI::App& app) {
    app.add_flag("--wait", wait_,
                 "poll the status as the dialog \"结算状态\" does and print each change; exit 0 "
                 "on \"结算完成!\", 1 on a failure");
    app.add_option("--interval", intervalMs_, "milliseconds between two polls (default 5000)")
        ->check(CLI::Range(0, 600000));
    app.add_option("--timeout", timeoutSeconds_,
                   "seconds to wait at most with --wait (default 600)")
        ->check(CLI::Range(1, 86400));
}

bool SettleStartCommand::run(CliContext& context) {
    Desk& desk = context.desk();
    std::ostream& out = context.out();
    SettlementWatch::Phase phase = SettlementWatch::Phase::Polling;
    bool timedOut = false;
    context.port().setFormFiller<SettlementStatusForm>([&](SettlementStatusForm& form) {
        SettlementStatusForm* f = &form;
        if (f->watch == nullptr) return false;
        SettlementWatch& watch = *f->watch;
        out << "date\t" << desk.mainState().settlementDate << "\n";
        out << "text\t" << tsvCell(watch.text()) << "\n" << std::flush;
        if (!wait_) return true;
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds_);
        while (watch.polling()) {
            if (std::chrono::steady_clock::now() >= deadline) {
                timedOut = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(intervalMs_));
            if (watch.tick()) out << "text\t" << tsvCell(watch.text()) << "\n" << std::flush;
        }
        phase = watch.phase();
        return true;
    });
    if (!startSettlement(desk)) return false;
    if (!wait_) return true;
    if (timedOut) {
        context.port().warn("结算仍在进行，已停止等待。");
        return false;
    }
    return phase == SettlementWatch::Phase::Finished;
}

// --- settle status ---

std::string SettleStatusCommand::help() const {
    return "ask the settlement status once and print its text";
}

bool SettleStatusCommand::run(CliContext& context) {
    SettlementWatch watch(context.desk());
    watch.tick();
    if (!watch.understood()) {
        // A state the desk would keep polling through: one look says nothing.
        if (context.port().errorCount() == 0) context.refuse("no known settlement state");
        return false;
    }
    context.out() << "text\t" << tsvCell(watch.text()) << "\n" << std::flush;
    return watch.phase() != SettlementWatch::Phase::Failed;
}

// --- settle clear ---

std::string SettleClearCommand::help() const {
    return "clear today's settlement result (\"清除结算数据\"; asks, --yes answers)";
}

bool SettleClearCommand::run(CliContext& context) {
    return clearSettlement(context.desk());
}

// --- settle prices ---

std::string SettlePricesCommand::help() const {
    return "print one page of the settlement prices of a settlement date (\"结算价设置\")";
}

void SettlePricesCommand::addOptions(CLI::App& app) {
    app.add_option("--date", date_, "settlement date YYYYMMDD (as printed by settle start)")
        ->required();
    app.add_option("--page", page_, "page number, from 1 (default 1)")->check(CLI::PositiveNumber);
}

bool SettlePricesCommand::run(CliContext& context) {
    Desk& desk = context.desk();
    if (!gate(desk.port(), desk.session().permissionMask, GatedOperation::Settlement)) return false;
    SettlementPricePage page;
    page.date = date_;
    if (!page.load(desk)) return false;
    if (page_ > 1 && !page.showPage(desk, page_ - 1))
        return context.refuse("no page " + std::to_string(page_));
    printPage(context, page);
    return true;
}

// --- settle price ---

std::string SettlePriceCommand::help() const {
    return "set the settlement price of one contract (the \"结算价\" cell)";
}

void SettlePriceCommand::addOptions(CLI::App& app) {
    app.add_option("--date", date_, "settlement date YYYYMMDD")->required();
    app.add_option("--exchange", exchange_, "exchange (\"市场\")")->required();
    app.add_option("--contract", contract_, "contract (\"合约\")")->required();
    app.add_option("--price", price_,
                   "new price as typed into the cell (0 or text that is no number: 0)")
        ->required();
}

bool SettlePriceCommand::run(CliContext& context) {
    Desk& desk = context.desk();
    if (!gate(desk.port(), desk.session().permissionMask, GatedOperation::Settlement)) return false;
    SettlementPricePage page;
    page.date = date_;
    if (!page.load(desk)) return false;
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

}  // namespace korvant::cli
