#include "accounts/administrators/PasswordForm.h"

namespace korvant {

bool validatePasswordForm(FrontEndPort& port, PasswordForm& form) {
    form.refusedField.clear();
    const auto refuse = [&](const char* field, const char* text) {
        return refuseField(port, form, field, {text, "提示", MessageIcon::Information});
    };
    if (form.current.empty()) return refuse("current", "请输入当前密码!");
    if (form.next.empty()) return refuse("next", "新密码不能为空!");
    if (form.confirmation.empty()) return refuse("confirmation", "新密码不能为空!");
    if (form.next != form.confirmation) return refuse("confirmation", "两次新密码不一致!");
    return true;
}

}  // namespace korvant
