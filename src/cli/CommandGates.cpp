#include "cli/CommandGates.h"

#include <map>

namespace korvant::cli {

std::optional<CommandGate> commandGate(const std::string& name) {
    using Op = GatedOperation;
    constexpr ViewKind Accounts = ViewKind::Accounts;
    constexpr ViewKind Reports = ViewKind::Reports;
    constexpr ViewKind Risk = ViewKind::Risk;
    static const std::map<std::string, CommandGate> gates = {
        // Reached without a view: the login, the own password, the local
        // rule catalogue, the settlement commands of the "操作" menu.
        {"login", {}},
        {"password", {}},
        {"risk kinds", {}},
        {"settle start", {ViewKind::None, Op::Settlement}},
        {"settle status", {ViewKind::None, Op::Settlement}},
        {"settle clear", {ViewKind::None, Op::Settlement}},
        {"settle prices", {ViewKind::None, Op::Settlement}},
        {"settle price", {ViewKind::None, Op::Settlement}},
        {"params show", {ViewKind::None, Op::Settlement}},
        {"params set", {ViewKind::None, Op::Settlement}},
        // "账号设置"
        {"group list", {Accounts, {}}},
        {"group add", {Accounts, Op::AddGroup}},
        {"group modify", {Accounts, Op::ModifyGroup}},
        {"admin list", {Accounts, {}}},
        {"admin add", {Accounts, Op::AddAdministrator}},
        {"admin modify", {Accounts, Op::ModifyAdministrator}},
        {"admin delete", {Accounts, Op::DeleteAdministrator}},
        {"subaccount list", {Accounts, {}}},
        {"subaccount add", {Accounts, Op::AddSubAccount}},
        {"subaccount modify", {Accounts, Op::ModifySubAccount}},
        {"subaccount delete", {Accounts, Op::DeleteSubAccount}},
        {"subaccount fee", {Accounts, {}}},
        {"subaccount margin", {Accounts, {}}},
        {"mainaccount list", {Accounts, {}}},
        {"mainaccount links", {Accounts, {}}},
        {"mainaccount subaccounts", {Accounts, {}}},
        {"mainaccount add", {Accounts, Op::AddMainAccount}},
        {"mainaccount modify", {Accounts, {}}},
        {"mainaccount delete", {Accounts, {}}},
        {"mainaccount link", {Accounts, {}}},
        {"mainaccount unlink", {Accounts, Op::DeleteMainAccount}},
        {"deposit sub", {Accounts, Op::Deposit}},
        {"deposit main", {Accounts, Op::Deposit}},
        {"deposit link", {Accounts, Op::Deposit}},
        // "手续费率" and "保证金率"
        {"fee list", {ViewKind::FeeRates, {}}},
        {"fee rates", {ViewKind::FeeRates, {}}},
        {"fee set", {ViewKind::FeeRates, Op::ModifyFeeRates}},
        {"fee add", {ViewKind::FeeRates, {}}},
        {"fee rename", {ViewKind::FeeRates, {}}},
        {"fee delete", {ViewKind::FeeRates, {}}},
        {"fee export", {ViewKind::FeeRates, Op::ExportFeeRates}},
        {"fee import", {ViewKind::FeeRates, Op::ImportFeeRates}},
        {"margin list", {ViewKind::MarginRates, {}}},
        {"margin rates", {ViewKind::MarginRates, {}}},
        {"margin set", {ViewKind::MarginRates, Op::ModifyMarginRates}},
        {"margin add", {ViewKind::MarginRates, {}}},
        {"margin rename", {ViewKind::MarginRates, {}}},
        {"margin delete", {ViewKind::MarginRates, {}}},
        {"margin export", {ViewKind::MarginRates, Op::ExportMarginRates}},
        {"margin import", {ViewKind::MarginRates, Op::ImportMarginRates}},
        // "风险控制设置"
        {"risk list", {Risk, {}}},
        {"risk add", {Risk, Op::AddRiskStrategy}},
        {"risk modify", {Risk, Op::ModifyRiskStrategy}},
        {"risk delete", {Risk, Op::DeleteRiskStrategy}},
        {"risk assigned", {Risk, Op::LoadRiskStrategy}},
        {"risk load", {Risk, Op::LoadRiskStrategy}},
        {"risk unload", {Risk, Op::LoadRiskStrategy}},
        {"risk up", {Risk, Op::LoadRiskStrategy}},
        {"risk down", {Risk, Op::LoadRiskStrategy}},
        // "报表管理" (the deposit records are one of its tabs)
        {"deposits", {Reports, {}}},
        {"statement", {Reports, {}}},
        {"report funds", {Reports, {}}},
        {"report netvalue", {Reports, {}}},
        {"report trades", {Reports, {}}},
        {"report orders", {Reports, {}}},
        {"report positions", {Reports, {}}},
        {"position modify", {Reports, Op::ModifyPositions}},
        // "日志管理"
        {"log", {ViewKind::Logs, {}}},
    };
    const auto it = gates.find(name);
    if (it == gates.end()) return std::nullopt;
    return it->second;
}

}  // namespace korvant::cli
