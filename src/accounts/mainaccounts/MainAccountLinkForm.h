#pragma once

#include <string>
#include <vector>

#include "app/port/FrontEndPort.h"

// The dialog "添加主账号" of a second-level group: one of the parent group's
// main accounts to link ("可选主账号:").
namespace korvant {

struct MainAccountLinkForm final : Form {
    static constexpr const char* Kind = "mainaccount-link";
    const char* kind() const override { return Kind; }

    std::vector<std::string> accounts;
    int selected = -1;

    std::string selectedAccount() const {
        if (selected < 0 || selected >= static_cast<int>(accounts.size())) return {};
        return accounts[static_cast<std::size_t>(selected)];
    }
};

}  // namespace korvant
