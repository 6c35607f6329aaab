#include "accounts/administrators/PasswordForm.h"

namespace korvant {

bool validatePasswordForm(FrontEndPort& port, PasswordForm& form) {
    if (form.current.empty()) {
        port.info("请输入当前密码!");
        return false;
    }
    if (form.next.empty() || form.confirmation.empty()) {
        port.info("新密码不能为空!");
        return false;
    }
    if (form.next != form.confirmation) {
        port.info("两次新密码不一致!");
        return false;
    }
    return true;
}

}  // namespace korvant
