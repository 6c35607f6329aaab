#pragma once

#include <string>

#include "app/port/FrontEndPort.h"
#include "text/NumberInput.h"

// The dialog "添加主账号" that creates a main account under a first-level
// group. Amounts are kept as typed; the validator reads them.
namespace korvant {

struct MainAccountForm final : Form {
    static constexpr const char* Kind = "mainaccount";
    const char* kind() const override { return Kind; }

    std::string account;          // "主 账 号:", at most 15 characters
    std::string initialFunds;     // "初始资金:（可不填）"; empty = not limited
    std::string tradingPassword;  // "交易密码:", at most 31 characters
    std::string startInvestment;  // "期初投入:（可不填）"
    std::string priorityFunds;    // "优先资金:（可不填）"
    std::string fundPassword;     // "资金密码:（可不填）", at most 31 characters
    std::string managementFee;    // "管 理 费:(可不填)", percent
    std::string custodyFee;       // "托 管 费:(可不填)", percent

    // Set by the validator from the texts above (empty = 0).
    double initialFundsValue = 0;
    double startInvestmentValue = 0;
    double priorityFundsValue = 0;
    double managementFeeValue = 0;
    double custodyFeeValue = 0;

    // What the amount and rate fields accept.
    static constexpr NumberInput AmountInput = MoneyInput;
    static constexpr NumberInput RateInput = PercentRateInput;

    static constexpr const char* Note =
        "初始资金是可用于分配给子账号的资金，不填表示不限制\n\n期初投入、优先资金用于风控计算，"
        "可不填\n\n资金密码用于转账，可不填";
};

// An empty account is refused with "请填写主账号。  "; otherwise the five
// numbers are read (empty = 0); text that is no number of its field is
// refused with the field's rule.
bool validateMainAccountForm(FrontEndPort& port, MainAccountForm& form);

}  // namespace korvant
