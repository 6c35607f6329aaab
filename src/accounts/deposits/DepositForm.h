#pragma once

#include <array>
#include <string>

#include "app/port/FrontEndPort.h"
#include "text/NumberInput.h"

// The dialog "出入金" in its three modes: a sub-account, a main account of a
// first-level group, the link of a main account to a second-level group.
namespace korvant {

enum class DepositMode { SubAccount = 0, MainAccount = 1, Link = 2 };

inline constexpr int DepositDirectionIn = 0;   // "入金"
inline constexpr int DepositDirectionOut = 1;  // "出金"

struct DepositForm final : Form {
    static constexpr const char* Kind = "deposit";
    const char* kind() const override { return Kind; }

    DepositMode mode = DepositMode::SubAccount;
    std::string holder;  // "账    号:", read-only
    int direction = DepositDirectionIn;

    // What each amount field accepts: money with cents, no sign (the
    // direction says which way it goes).
    static constexpr NumberInput AmountInput = MoneyInput;

    // The three amounts as typed (decimal text, empty = 0).
    std::string availableText;
    std::string priorityText;
    std::string startInvestmentText;

    std::string remark;           // "备注(可不填):", 63 characters, sub-accounts only
    bool countInHistory = false;  // "计入历史总计出入金", sub-accounts only

    // Shown before the change.
    double equity = 0;
    double available = 0;
    double priority = 0;
    double startInvestment = 0;
    double initialFunds = 0;  // of the main account; 0 = not limited
    double depositable = 0;   // "可 入 金:"

    // Read by the validator from the texts, rounded to cents.
    double availableChange = 0;
    double priorityChange = 0;
    double startInvestmentChange = 0;
};

// What the dialog shows besides the amount fields.
struct DepositView {
    std::array<std::string, 3> amountCaptions;  // by direction
    std::string equityLine, availableLine, priorityLine, startInvestmentLine, depositableLine;
    bool showEquity = true;
    bool showPriorityRows = true;  // priority and start-investment amount and info rows
    bool showDepositable = true;
    bool showHistoryBox = true;
    bool showRemark = true;
};

DepositView depositView(const DepositForm& form);
// "可用资金增加:" ... for a deposit, "可用资金减少:" ... for a withdrawal.
std::array<std::string, 3> depositAmountCaptions(int direction);
// "<label>  %0.2f    （<scaled>万元）"; `label` includes its colon.
std::string depositInfoLine(const std::string& label, double value);

// A number rounded the way it is sent: printed with two decimals and read back.
double roundToCents(double value);
// Lenient decimal text: empty or unreadable text gives 0.
double readAmount(const std::string& text);

// OK: each amount is a plain amount of its field, the available change is
// not negative and one amount is positive, else "请填写正确的金额" (error
// icon) naming the amount refused.
bool validateDepositForm(FrontEndPort& port, DepositForm& form);

// New totals of priority funds and start investment: the shown value plus
// (deposit) or minus (withdrawal) the change, never below 0.
struct DepositTotals {
    double priority = 0;
    double startInvestment = 0;
};
DepositTotals depositTotals(const DepositForm& form);

}  // namespace korvant
