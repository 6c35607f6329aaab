#include <CLI/CLI.hpp>

#include "accounts/administrators/AdministratorOperations.h"
#include "accounts/administrators/PasswordForm.h"
#include "app/desk/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/commands/Commands.h"

// `password`: the logged-in administrator's own password ("修改密码").
namespace korvant::cli {
namespace {

class PasswordCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        app.add_option("--current", current_, "当前密码 (\"当前密码\")");
        app.add_option("--new", next_, "新密码 (\"新密码\")");
        app.add_option("--confirm", confirmation_, "再次输入新密码 (\"确认新密码\"; 默认: --new)");
        app.add_flag("--password-stdin", fromStdin_,
                     "从标准输入读取未用选项给出的密码, 每个一行, 依次为当前密码、新密码、确认密码 "
                     "(缺少确认行: 同新密码); 在终端上不回显地提示输入");
    }
    bool checkUsage(CliContext& context) override {
        if (fromStdin_ || (current_ && next_)) return true;
        context.err() << "须给出 --current 和 --new (或 --password-stdin)\n";
        return false;
    }
    bool run(CliContext& context) override {
        if (!context.readSecretOption(fromStdin_, current_, "当前密码: ") ||
            !context.readSecretOption(fromStdin_, next_, "新密码: "))
            return false;
        if (fromStdin_ && !confirmation_) confirmation_ = context.readSecretLine("确认新密码: ");
        PasswordForm form;
        form.current = *current_;
        form.next = *next_;
        form.confirmation = confirmation_.value_or(*next_);
        return validatePasswordForm(context.port(), form) &&
               changeOwnPassword(context.desk(), form);
    }

private:
    std::optional<std::string> current_, next_, confirmation_;
    bool fromStdin_ = false;
};

}  // namespace

void addPasswordCommand(CommandList& commands) {
    commands.push_back(std::make_unique<PasswordCommand>("password", "修改已登录管理员自己的密码"));
}

}  // namespace korvant::cli
