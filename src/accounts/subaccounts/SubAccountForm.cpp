#include "accounts/subaccounts/SubAccountForm.h"

#include <ctime>

#include "accounts/subaccounts/AccountNumber.h"

namespace korvant {

const SubAccountGroupChoice* SubAccountForm::selectedGroup() const {
    if (groupIndex < 0 || groupIndex >= static_cast<int>(groups.size())) return nullptr;
    return &groups[static_cast<std::size_t>(groupIndex)];
}

std::string SubAccountForm::selectedMainAccount() const {
    if (mainAccountIndex < 0 || mainAccountIndex >= static_cast<int>(mainAccounts.size()))
        return {};
    return mainAccounts[static_cast<std::size_t>(mainAccountIndex)];
}

int32_t SubAccountForm::optionBits() const {
    return (noFeesOnStatement ? 0x1 : 0) | (noSingleSideMargin ? 0x2 : 0);
}

int32_t openingDateToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

bool validateSubAccountForm(FrontEndPort& port, SubAccountForm& form, int32_t today) {
    form.refusedField.clear();
    const auto refuse = [&](const char* field, const char* text) {
        return refuseField(port, form, field, {text, "提示", MessageIcon::Error});
    };
    if (form.account.empty()) return refuse("account", "子账号不能为空。  ");
    const int64_t number = readLeadingNumber(form.account);
    if (!isSubAccountNumber(number))
        return refuse("account", "子账号必须为正整数，取值范围 1 至 2147483647。  ");
    form.account = std::to_string(number);
    if (form.password.empty()) return refuse("password", "密码不能为空。  ");
    form.openDate = today;
    const SubAccountGroupChoice* group = form.selectedGroup();
    if (group == nullptr) return refuse("group", "请选择子账号所属的分组。  ");
    if (group->id == -2) return refuse("group", "请选择子账号所属的分组。");
    if (form.mainAccountIndex < 0 ||
        form.mainAccountIndex >= static_cast<int>(form.mainAccounts.size()))
        return refuse("mainAccount", "请选择子账号所属的主账号。");
    form.mac = cleanMacRestriction(form.mac);
    return true;
}

}  // namespace korvant
