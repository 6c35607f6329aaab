#pragma once

#include <array>
#include <string>

#include "app/port/FrontEndPort.h"
#include "model/MainAccount.h"
#include "text/NumberInput.h"

// The dialog "修改主账号": new passwords (empty = unchanged), the two fee
// rates and "清除应提费用".
namespace korvant {

struct MainAccountChangeForm final : Form {
    static constexpr const char* Kind = "mainaccount-change";
    const char* kind() const override { return Kind; }

    std::string account;          // the account being modified (shown only)
    std::string fundPassword;     // "资金密码:(可不填)"
    std::string tradingPassword;  // "交易密码:"
    std::string managementFee;    // "管理费率:(可不填)", percent
    std::string custodyFee;       // "托管费率:(可不填)", percent
    bool clearFeesDue = false;    // "清除应提费用"

    // The fee block as the list shows it (each value printed with six
    // decimals and read back); the last three are sent back unchanged.
    std::array<double, MainAccount::FeeRateCount> listedFees{};

    // What the two rate fields accept.
    static constexpr NumberInput RateInput = PercentRateInput;

    static constexpr const char* Note =
        "不修改密码时，密码可不填。管理费、托管费和应提费用均可不填。";

    // Prefills the form from a listed record.
    static MainAccountChangeForm from(const MainAccount& record);
    // The fee block to send: the two typed rates, then the listed values.
    std::array<double, MainAccount::FeeRateCount> fees() const;
    // Nothing to send: both passwords empty, the fees as listed and the
    // check box clear.
    bool unchanged() const;
};

// OK: each rate is a number of its field, or left as listed.
bool validateMainAccountChangeForm(FrontEndPort& port, MainAccountChangeForm& form);

}  // namespace korvant
