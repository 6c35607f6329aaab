#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/port/FrontEndPort.h"

// The sub-account dialog ("添加子账号" / "修改子账号"): the values the front
// end shows and collects, and the checks run on OK.
namespace korvant {

struct SubAccountGroupChoice {
    int32_t id = 0;  // -2 marks an entry that is no group
    std::string name;
    std::string code;
};

struct SubAccountForm final : Form {
    static constexpr const char* Kind = "subaccount";
    const char* kind() const override { return Kind; }

    bool adding = true;  // the account field is editable only when adding
    std::string account;
    std::string password;  // at most 15 characters
    std::string name;      // at most 31 characters
    // Adding: only the group selected in the groups tree, not changeable.
    std::vector<SubAccountGroupChoice> groups;
    int groupIndex = -1;
    // The main accounts linked to the current group.
    std::vector<std::string> mainAccounts;
    int mainAccountIndex = -1;
    std::string mac;                  // "MAC限定(可不填):", at most 31 characters
    std::string remark;               // at most 63 characters
    bool noFeesOnStatement = false;   // "结算单不显示手续费"
    bool noSingleSideMargin = false;  // "禁用单向大边保证金"

    // Set by the validator: the opening date (today).
    int32_t openDate = 0;

    std::string caption() const { return adding ? "添加子账号" : "修改子账号"; }
    bool groupEditable() const { return !adding; }
    const SubAccountGroupChoice* selectedGroup() const;
    std::string selectedMainAccount() const;
    // Option bits 0 and 1 from the check boxes.
    int32_t optionBits() const;
};

inline constexpr int SubAccountPasswordLimit = 15;
inline constexpr int SubAccountNameLimit = 31;
inline constexpr int SubAccountMacLimit = 31;
inline constexpr int SubAccountRemarkLimit = 63;

// The opening date of a new sub-account: today, local time, yyyymmdd.
int32_t openingDateToday();

// The checks of OK in order, each refusal with the error icon. On success
// the account is rewritten as the plain decimal of its number, the MAC text
// is cleaned and `openDate` is set to `today`.
bool validateSubAccountForm(FrontEndPort& port, SubAccountForm& form, int32_t today);

}  // namespace korvant
