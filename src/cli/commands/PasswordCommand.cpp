#include <CLI/CLI.hpp>

#include "accounts/administrators/AdministratorOperations.h"
#include "accounts/administrators/PasswordForm.h"
#include "app/Desk.h"
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
        app.add_option("--current", current_, "current password (\"当前密码\")");
        app.add_option("--new", next_, "new password (\"新密码\")");
        app.add_option("--confirm", confirmation_,
                       "the new password again (\"确认新密码\"; default: --new)");
        app.add_flag("--password-stdin", fromStdin_,
                     "read the passwords not given as options from standard input, one line "
                     "each in the order current, new, confirmation (a missing confirmation "
                     "line: the new password); asked for without echo on a terminal");
    }
    bool checkUsage(CliContext& context) override {
        if (fromStdin_ || (current_ && next_)) return true;
        context.err() << "--current and --new are required (or --password-stdin)\n";
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
    commands.push_back(std::make_unique<PasswordCommand>(
        "password", "change the logged-in administrator's own password"));
}

}  // namespace korvant::cli
