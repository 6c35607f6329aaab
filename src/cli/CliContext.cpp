#include "cli/CliContext.h"

#include <cstdlib>
#include <istream>
#include <ostream>

#include "app/session/Login.h"
#include "cli/ExitStatus.h"
#include "cli/LocalFolderChoice.h"
#include "cli/StatusLine.h"
#include "core/CoreDesk.h"
#include "text/NumberText.h"
#include "text/SecretText.h"

namespace korvant::cli {

CliContext::CliContext(std::ostream& out, std::ostream& err, std::istream& in)
    : out_(&out), err_(&err), in_(&in), port_(err) {
    environment = [](const std::string& name) -> std::optional<std::string> {
        const char* value = std::getenv(name.c_str());
        if (value == nullptr) return std::nullopt;
        return std::string(value);
    };
}

CliContext::~CliContext() = default;

Desk& CliContext::desk() {
    if (!desk_) {
        std::string problem;
        const LocalFolder folder =
            settleLocalFolder(cliLocalFolderPlaces(options.dir, environment, programDir), problem);
        if (!problem.empty())
            port_.showMessage({"本地文件夹不可用：" + problem, "提示", MessageIcon::Warning});
        desk_ = std::make_unique<CoreDesk>(port_, folder.path);
        // No list is on screen: a change queries none again.
        desk_->setListRequery({});
        desk_->statusList().subscribe([this](const StatusRow& row) {
            if (!options.quiet) *err_ << statusLine(row) << '\n' << std::flush;
        });
    }
    return *desk_;
}

PageWriter& CliContext::pageWriter() {
    if (!pageWriter_) pageWriter_.emplace(*out_, options.format);
    return *pageWriter_;
}

bool CliContext::takeEnvironment() {
    auto value = [this](const char* name) -> std::optional<std::string> {
        std::optional<std::string> text = environment ? environment(name) : std::nullopt;
        if (text && text->empty()) return std::nullopt;
        return text;
    };
    if (!options.user) options.user = value("KORVANT_USER");
    if (!options.host.empty() || options.serverIndex) return true;
    const std::optional<std::string> host = value("KORVANT_HOST");
    const std::optional<std::string> port = value("KORVANT_PORT");
    if (!host && !port) return true;
    if (!host || !port) {
        *err_ << (host ? "KORVANT_HOST needs KORVANT_PORT\n" : "KORVANT_PORT needs KORVANT_HOST\n");
        return false;
    }
    const std::optional<int64_t> number = readInteger(*port);
    if (!number || *number < 1 || *number > 65535) {
        *err_ << "KORVANT_PORT: a port from 1 to 65535 expected\n";
        return false;
    }
    options.host = *host;
    options.port = static_cast<int>(*number);
    return true;
}

std::optional<std::string> CliContext::readSecretLine(const std::string& label) {
    if (stdinIsTerminal && promptPassword) return promptPassword(label);
    std::string line;
    if (!std::getline(*in_, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

bool CliContext::readSecretOption(bool fromStdin, std::optional<std::string>& value,
                                  const std::string& label) {
    if (!fromStdin || value) return true;
    value = readSecretLine(label);
    if (value) return true;
    refuse("标准输入上没有密码");
    return false;
}

bool CliContext::refuse(const std::string& text) {
    port_.showMessage({text, "提示", MessageIcon::Warning});
    return false;
}

LoginForm CliContext::loginForm() {
    LoginForm form = openLoginForm(desk().dir());
    const std::string savedAccount = form.account;
    std::string savedPassword = form.password;
    const bool saved = form.save;

    if (!options.host.empty()) {
        form.serverNames = {options.host + ":" + std::to_string(options.port.value_or(0))};
        form.serverIndex = 0;
    } else if (options.serverIndex) {
        int index = *options.serverIndex;
        form.serverIndex =
            index >= 0 && index < static_cast<int>(form.serverNames.size()) ? index : -1;
    }

    form.account = options.user.value_or(savedAccount);

    if (options.password) {
        form.password = *options.password;
    } else if (options.passwordStdin) {
        form.password = readSecretLine("密码: ").value_or("");
    } else if (auto fromEnv = environment ? environment("KORVANT_PASSWORD") : std::nullopt) {
        form.password = *fromEnv;
    } else if (saved && form.account == savedAccount && !savedAccount.empty()) {
        form.password = savedPassword;
    } else if (stdinIsTerminal && promptPassword) {
        form.password = promptPassword("密码: ");
    } else {
        form.password.clear();
    }
    form.save = false;
    wipeSecret(savedPassword);
    return form;
}

int CliContext::login() {
    Desk& d = desk();
    LoginOptions loginOptions;
    if (!options.host.empty())
        loginOptions.endpoint = ServerEndpoint{options.host, options.port.value_or(0)};
    loginOptions.mac = options.mac;
    if (options.timeoutSeconds) loginOptions.receiveTimeoutMs = *options.timeoutSeconds * 1000;
    loginOptions.rememberLogin = false;
    loginOptions.showProgress = true;
    d.connection().close();
    LoginForm form = loginForm();
    LoginResult result = LoginResult::Cancelled;
    {
        // The login password is needed no more once the attempt is over.
        WipeOnExit wipe(form.password);
        if (validateLoginForm(port_, form))
            result = loginWith(d, form.serverIndex, form.account, form.password, loginOptions);
    }
    if (options.password) wipeSecret(*options.password);
    // A failed connection ends the run as a lost one does; a cancelled or
    // refused login is a refusal.
    if (result == LoginResult::LoggedIn) return ExitDone;
    return result == LoginResult::ConnectFailed ? ExitEnded : ExitFailed;
}

}  // namespace korvant::cli
