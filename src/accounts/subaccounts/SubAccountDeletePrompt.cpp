#include "accounts/subaccounts/SubAccountDeletePrompt.h"

namespace korvant {

std::string subAccountDeletePrompt(const std::vector<SubAccount>& selected) {
    constexpr std::size_t listed = 4;
    std::string text = "确认删除以下子账号吗？\n\n";
    for (std::size_t i = 0; i < selected.size() && i < listed; ++i)
        text += "子账号: " + selected[i].account + "    \t隶属主账号: " + selected[i].mainAccount +
                "\n";
    if (selected.size() > listed) text += "...\n\n共 " + std::to_string(selected.size()) + " 个";
    return text;
}

}  // namespace korvant
