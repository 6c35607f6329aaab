#include "LoginOnlyPort.h"

#include <cstdio>
#include <typeinfo>

#include "app/Login.h"

namespace korvant::bench {

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
