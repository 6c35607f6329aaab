#include "model/AccountColumns.h"

namespace korvant {

std::string formatAmount(double value) {
    return formatFixed(value, 2);
}

namespace {

std::string decimal(long long value) {
    return formatInt(value);
}

constexpr ListColumn AdministratorColumns[] = {
    {"账号", 80, false},  {"密码", 110, false},    {"权限", 80, false},     {"隶属", 100, false},
    {"名称", 120, false}, {"监控范围", 80, false}, {"监控范围", 80, false},
};

constexpr ListColumn MainAccountColumns[] = {
    {"主账号", 130, false},     {"密码", 130, false},     {"初始资金", 120, false},
    {"可分配资金", 120, false}, {"优先资金", 120, false}, {"期初投入", 120, false},
    {"费率", 0, true},          {"费率", 0, true},        {"费率", 0, true},
    {"费率", 0, true},          {"费率", 0, true},
};

constexpr ListColumn MainAccountLinkColumns[] = {
    {"隶属主账号", 130, false},
    {"可分配资金", 120, false},
};

constexpr ListColumn SubAccountColumns[] = {
    {"子账号", 80, false},    {"密码", 80, false},      {"隶属", 80, false},
    {"开户日期", 65, false},  {"名称", 80, false},      {"所属主账号", 80, false},
    {"保证金率", 100, false}, {"手续费率", 100, false}, {"优先资金", 100, false},
    {"期初投入", 100, false}, {"MAC限定", 100, false},  {"备注", 180, false},
    {"属性", 0, true},
};

}  // namespace

std::span<const ListColumn> administratorListColumns() {
    return AdministratorColumns;
}

std::vector<std::string> administratorListCells(const Administrator& a) {
    return {a.account,           a.password, decimal(a.permissionMask),
            a.groupName,         a.name,     decimal(a.monitorFrom),
            decimal(a.monitorTo)};
}

std::span<const ListColumn> mainAccountListColumns() {
    return MainAccountColumns;
}

std::vector<std::string> mainAccountListCells(const MainAccount& m) {
    const bool unlimited = m.initialFunds == 0;
    std::vector<std::string> cells;
    cells.reserve(6 + MainAccount::FeeRateCount);
    cells.push_back(m.account);
    cells.push_back("*****");
    cells.push_back(unlimited ? "不限" : formatAmount(m.initialFunds));
    cells.push_back(unlimited ? "不限" : formatAmount(m.distributableFunds));
    cells.push_back(formatAmount(m.priorityFunds));
    cells.push_back(formatAmount(m.startInvestment));
    for (double rate : m.feeRates) cells.push_back(formatTrimmed(rate, 6));
    return cells;
}

std::span<const ListColumn> mainAccountLinkListColumns() {
    return MainAccountLinkColumns;
}

std::vector<std::string> mainAccountLinkListCells(const MainAccountLink& link,
                                                  std::span<const MainAccount> firstLevel) {
    // Unknown in the first-level list: nothing to judge the funds by.
    for (const MainAccount& m : firstLevel) {
        if (m.account != link.account) continue;
        if (m.initialFunds == 0) return {link.account, "不限"};
        return {link.account, formatAmount(link.distributableFunds)};
    }
    return {link.account, std::string()};
}

std::span<const ListColumn> subAccountListColumns() {
    return SubAccountColumns;
}

std::vector<std::string> subAccountListCells(const SubAccount& s) {
    return {s.account,
            s.password,
            s.groupName,
            decimal(s.openDate),
            s.name,
            s.mainAccount,
            s.marginTemplate,
            s.feeTemplate,
            formatAmount(s.priorityFunds),
            formatAmount(s.startInvestment),
            s.mac,
            s.remark,
            decimal(s.options)};
}

std::string subAccountPageText(const PageCursor& cursor) {
    return "第 " + formatInt(cursor.shownPage()) + "/" + formatInt(cursor.total) + " 页";
}

}  // namespace korvant
