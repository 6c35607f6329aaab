#include <CLI/CLI.hpp>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/desk/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/Tsv.h"
#include "cli/commands/Commands.h"
#include "reports/params/TradingParametersForm.h"

// `params show|set`: the dialog "交易参数" — the two close-today fee lists
// and the page " 其它参数 ".
namespace korvant::cli {
namespace {

std::vector<std::string> splitCodes(const std::string& text) {
    std::vector<std::string> codes;
    std::string code;
    for (char c : text + ",") {
        if (c == ',' || c == '|') {
            if (!code.empty()) codes.push_back(code);
            code.clear();
        } else if (c != ' ') {
            code += c;
        }
    }
    return codes;
}

void printForm(std::ostream& out, const TradingParametersForm& f) {
    writeTsvRow(out, {"half-fee", closeTodayListText(f.selectedCodes(0), nullptr)});
    writeTsvRow(out, {"no-fee", closeTodayListText(f.selectedCodes(1), nullptr)});
    const TradingParameters p = f.parameters();
    writeTsvRow(out,
                {"position-profit", std::to_string(p.positionProfitMode),
                 positionProfitModeCaptions()[static_cast<std::size_t>(p.positionProfitMode)]});
    writeTsvRow(out, {"close-profit", std::to_string(p.closeProfitMode),
                      closeProfitModeCaptions()[static_cast<std::size_t>(p.closeProfitMode)]});
    writeTsvRow(out, {"over-trading", f.overTradingStandard});
    writeTsvRow(out, {"auto-settle", f.autoSettleTime});
    writeTsvRow(out, {"window", f.settleWindowStart + "-" + f.settleWindowEnd});
    writeTsvRow(out, {"fund-rate", f.protectionFundRate});
    out.flush();
}

class ParamsShowCommand : public Command {
public:
    using Command::Command;
    bool run(CliContext& context) override {
        bool readWhole = false;
        const std::optional<TradingParametersForm> form =
            prepareTradingParameters(context.desk(), &readWhole);
        // A dialog whose values could not be read holds defaults, not the
        // server's parameters.
        if (!form || !readWhole) return false;
        printForm(context.out(), *form);
        return true;
    }
};

class ParamsSetCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        app.add_option("--half-fee", halfFee_,
                       "\" 平今手续费减半 \" 的品种代码, 以逗号分隔 (为空: 无)");
        app.add_option("--no-fee", noFee_,
                       "\" 平今手续费不收 \" 的品种代码, 以逗号分隔 (为空: 无)");
        app.add_option(
               "--position-profit", positionProfit_,
               "\"持仓盈亏计入可用\": 0 自动, 1 浮盈浮亏都计算, 2 浮盈不计，浮亏计, 3 浮盈计，"
               "浮亏不计, 4 浮盈浮亏都不计算")
            ->check(CLI::Range(0, 4));
        app.add_option("--close-profit", closeProfit_,
                       "\"平仓盈利计入可用\": 0 自动, 1 计入, 2 不计")
            ->check(CLI::Range(0, 2));
        app.add_option("--over-trading", overTrading_, "\"中金所过度交易标准\"");
        app.add_option("--auto-settle", autoSettle_, "\"自动结算时间\" HHMM (0: 不自动结算)");
        app.add_option("--window", window_, "\"可结算时段\" HHMM-HHMM");
        app.add_option("--fund-rate", fundRate_, "\"投资者保障基金比率\", 单位为千万分之一");
    }
    bool checkUsage(CliContext& context) override {
        if (!window_) return true;
        const auto dash = window_->find('-');
        if (dash == std::string::npos) {
            context.err() << "--window: HHMM-HHMM expected\n";
            return false;
        }
        windowStart_ = window_->substr(0, dash);
        windowEnd_ = window_->substr(dash + 1);
        return true;
    }
    bool run(CliContext& context) override {
        Desk& desk = context.desk();
        bool readWhole = false;
        std::optional<TradingParametersForm> form = prepareTradingParameters(desk, &readWhole);
        // Never save defaults over the server's values that could not be read.
        if (!form || !readWhole) return false;
        return fillForm(context, *form) && validateTradingParameters(context.port(), *form) &&
               applyTradingParameters(desk, *form);
    }

private:
    // The options given, over the server's values; false after the message
    // when a variety code is not offered.
    bool fillForm(CliContext& context, TradingParametersForm& form) const {
        std::vector<std::string> unknown;
        if (halfFee_) form.selectCodes(0, splitCodes(*halfFee_), &unknown);
        if (noFee_) form.selectCodes(1, splitCodes(*noFee_), &unknown);
        if (!unknown.empty()) {
            std::string list;
            for (const std::string& code : unknown) list += (list.empty() ? "" : ", ") + code;
            context.port().error("没有可选的品种: " + list);
            return false;
        }
        if (positionProfit_) form.positionProfitMode = *positionProfit_;
        if (closeProfit_) form.closeProfitMode = *closeProfit_;
        if (overTrading_) form.overTradingStandard = *overTrading_;
        if (autoSettle_) form.autoSettleTime = *autoSettle_;
        if (window_) {
            form.settleWindowStart = windowStart_;
            form.settleWindowEnd = windowEnd_;
        }
        if (fundRate_) form.protectionFundRate = *fundRate_;
        return true;
    }

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

}  // namespace

void addParamsCommands(CommandList& commands) {
    commands.push_back(std::make_unique<ParamsShowCommand>(
        "params show", "以 键<TAB>值 行输出交易参数 (\"交易参数\")"));
    commands.push_back(std::make_unique<ParamsSetCommand>(
        "params set", "修改交易参数 (\"交易参数\"); 未给出的选项保持原值"));
}

}  // namespace korvant::cli
