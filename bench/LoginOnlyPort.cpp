#include "LoginOnlyPort.h"

#include <cstdio>
#include <typeinfo>

#include "app/session/Login.h"

namespace korvant::bench {

LoginOptions simLogin(const std::string& host, int port) {
    LoginOptions options;
    options.endpoint = ServerEndpoint{host, port};
    options.mac = "001A2B3C4D5E";
    options.rememberLogin = false;
    options.showProgress = false;
    return options;
}

void LoginOnlyPort::showMessage(const Message& m) {
    std::fprintf(stderr, "[%s] %s\n", m.caption.c_str(), m.text.c_str());
}

bool LoginOnlyPort::showForm(Form& form, const FormValidator& validator) {
    if (typeid(form) != typeid(LoginForm)) return false;
    auto* login = static_cast<LoginForm*>(&form);
    login->serverNames = {"sim"};
    login->serverIndex = 0;
    login->account = "admin";
    login->password = "admin";
    return !validator || validator(form);
}

}  // namespace korvant::bench
