#include "LoginOnlyPort.h"

#include <cstdio>

#include "app/Login.h"

namespace korvant::bench {

void LoginOnlyPort::showMessage(const Message& m) {
    std::fprintf(stderr, "[%s] %s\n", m.caption.c_str(), m.text.c_str());
}

bool LoginOnlyPort::editForm(Form& form, const FormValidator& validator) {
    auto* login = dynamic_cast<LoginForm*>(&form);
    if (login == nullptr) return false;
    login->serverNames = {"sim"};
    login->serverIndex = 0;
    login->account = "admin";
    login->password = "admin";
    return !validator || validator(form);
}

}  // namespace korvant::bench
