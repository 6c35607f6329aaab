#pragma once

#include <string>

#include "app/port/FrontEndPort.h"

// The dialog "更改密码" of the logged-in administrator.
namespace korvant {

struct PasswordForm final : Form {
    static constexpr const char* Kind = "password";
    const char* kind() const override { return Kind; }

    std::string current;       // "当前密码:", plain
    std::string next;          // "新密码:", masked
    std::string confirmation;  // "确认新密码:", masked
};

// OK: current password given, new password and confirmation given and equal.
bool validatePasswordForm(FrontEndPort& port, PasswordForm& form);

}  // namespace korvant
