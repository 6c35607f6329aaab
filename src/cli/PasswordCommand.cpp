#include "cli/PasswordCommand.h"

#include <CLI/CLI.hpp>

#include "accounts/administrators/AdministratorOperations.h"
#include "accounts/administrators/PasswordForm.h"
#include "app/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace korvant::cli {

std::string PasswordCommand::help() const {
    return "change the logged-in administrator's own password";
}

void PasswordCommand::addOptions(CLI::App& app) {
    app.add_option("--current", current_, "current password (\"当前密码\")")->required();
    app.add_option("--new", next_, "new password (\"新密码\")")->required();
    app.add_option("--confirm", confirmation_,
                   "the new password again (\"确认新密码\"; default: --new)");
}

int PasswordCommand::execute(CliContext& context) {
    int status = context.login();
    if (status != ExitDone) return status;
    context.port().setFormFiller([this](Form& form) {
        auto* f = dynamic_cast<PasswordForm*>(&form);
        if (f == nullptr) return false;
        f->current = current_;
        f->next = next_;
        f->confirmation = confirmation_.value_or(next_);
        return true;
    });
    return changeOwnPassword(context.desk()) ? ExitDone : ExitFailed;
}

}  // namespace korvant::cli
