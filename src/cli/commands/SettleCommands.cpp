#include <CLI/CLI.hpp>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <thread>

#include "app/desk/Desk.h"
#include "app/session/Permissions.h"
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
        app.add_flag("--wait", wait_,
                     "像 \"结算状态\" 对话框一样轮询状态并输出每次变化; \"结算完成!\" 时退出状态 "
                     "0, 失败时 1");
        app.add_option("--interval", intervalMs_, "两次轮询的间隔毫秒数 (默认 5000)")
            ->check(CLI::Range(0, 600000));
        app.add_option("--timeout", timeoutSeconds_, "使用 --wait 时最多等待的秒数 (默认 600)")
            ->check(CLI::Range(1, 86400));
    }
    bool run(CliContext& context) override {
        Desk& desk = context.desk();
        if (!requestSettlementStart(desk)) return false;
        // What the status dialog shows, and with --wait its polling.
        SettlementWatch watch(desk);
        std::ostream& out = context.out();
        out << "date\t" << desk.session().settlementDate << "\n";
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
        app.add_option("--date", date_, "结算日期 YYYYMMDD (即 settle start 输出的日期)")
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
        app.add_option("--date", date_, "结算日期 YYYYMMDD")->required();
        app.add_option("--exchange", exchange_, "交易所 (\"市场\")")->required();
        app.add_option("--contract", contract_, "合约 (\"合约\")")->required();
        app.add_option("--price", price_, "新价格, 同在单元格中输入 (0 或非数字的文字: 0)")
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
        "settle start", "开始结算 (\"开始结算\"); 使用 --wait 时轮询状态直到结束"));
    commands.push_back(
        std::make_unique<SettleStatusCommand>("settle status", "查询一次结算状态并输出其文字"));
    commands.push_back(std::make_unique<SettleClearCommand>(
        "settle clear", "清除当日结算结果 (\"清除结算数据\"; 会询问, --yes 回答)"));
    commands.push_back(std::make_unique<SettlePricesCommand>(
        "settle prices", "输出某结算日结算价的一页 (\"结算价设置\")"));
    commands.push_back(std::make_unique<SettlePriceCommand>(
        "settle price", "设置一个合约的结算价 (\"结算价\" 单元格)"));
}

}  // namespace korvant::cli
