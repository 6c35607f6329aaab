#include <algorithm>

#include "Dispatcher.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "protocol/CommandCode.h"

// Adding, changing and deleting administrators, and the change of the own
// password. An administrator manages the administrators of its own group
// and of the groups below it.
namespace korvant::sim {
namespace {

void readAddresses(const Request& r, int offset, Administrator& a) {
    std::size_t filled = 0;
    a.allowedIps = {};
    for (int i = 0; i < 5; ++i) {
        uint32_t ip = r.u32(offset + 4 * i);
        if (ip != 0) a.allowedIps[filled++] = ip;
    }
}

void readRange(const Request& r, int offset, Administrator& a) {
    a.monitorFrom = std::max(r.i32(offset), 0);
    a.monitorTo = std::max(r.i32(offset + 4), 0);
}

// 98: account 4, password 20, mask 36, group 40, name 44, multi-login 76,
// five addresses 80, monitoring range 100 and 104.
Answer addAdministrator(const Request& r, Context& c) {
    if (!permitted(c, 0x8)) return refusal("没有添加管理员的权限");
    Administrator a;
    a.account = r.text(4, 16);
    a.password = r.text(20, 16);
    a.permissionMask = r.u32(36);
    a.groupId = r.i32(40);
    a.name = r.text(44, 32);
    a.multiLogin = r.i32(76) != 0 ? 1 : 0;
    readAddresses(r, 80, a);
    readRange(r, 100, a);
    if (a.account.empty()) return refusal("管理员账号不能为空");
    if (a.password.empty()) return refusal("密码不能为空");
    if (c.state.findAdministrator(a.account))
        return refusal(format("管理员 %s 已存在", a.account.c_str()));
    if (!c.state.findGroup(a.groupId)) return refusal("所属组不存在");
    if (!manages(c, a.groupId)) return refusal("不能在管辖范围以外的组添加管理员");
    c.state.administrators.push_back(a);
    return done();
}

// 99: account 6, password 22, mask 38, name 46, multi-login 78, five
// addresses 82, monitoring range 102 and 106. The group is not changed.
Answer modifyAdministrator(const Request& r, Context& c) {
    if (!permitted(c, 0x10)) return refusal("没有修改管理员的权限");
    std::string account = r.text(6, 16);
    Administrator* a = c.state.findAdministrator(account);
    if (a == nullptr) return refusal(format("管理员 %s 不存在", account.c_str()));
    if (!manages(c, a->groupId)) return refusal("不能修改管辖范围以外的管理员");
    std::string password = r.text(22, 16);
    if (!password.empty()) a->password = password;
    a->permissionMask = r.u32(38);
    a->name = r.text(46, 32);
    a->multiLogin = r.i32(78) != 0 ? 1 : 0;
    readAddresses(r, 82, *a);
    readRange(r, 102, *a);
    return done();
}

// 15: account 4.
Answer deleteAdministrator(const Request& r, Context& c) {
    if (!permitted(c, 0x20)) return refusal("没有删除管理员的权限");
    std::string account = r.text(4, 16);
    auto& list = c.state.administrators;
    auto it = std::find_if(list.begin(), list.end(),
                           [&](const Administrator& a) { return a.account == account; });
    if (it == list.end()) return refusal(format("管理员 %s 不存在", account.c_str()));
    if (account == c.connection.account) return refusal("不能删除当前登录的管理员");
    if (!manages(c, it->groupId)) return refusal("不能删除管辖范围以外的管理员");
    list.erase(it);
    return done();
}

// 19: current password 4, new password 20, for the logged-in administrator.
Answer changePassword(const Request& r, Context& c) {
    Administrator* a = operatorOf(c);
    if (a == nullptr) return refusal("管理员不存在");
    if (r.text(4, 16) != a->password) return refusal("当前密码错误");
    std::string fresh = r.text(20, 16);
    if (fresh.empty()) return refusal("新密码不能为空");
    a->password = fresh;
    return done();
}

}  // namespace

void addAdministratorHandlers(Dispatcher& d) {
    d.add({cmd::AddAdministrator, 108, false, RefusalStyle::Result, addAdministrator});
    d.add({cmd::ModifyAdministrator, 110, false, RefusalStyle::Result, modifyAdministrator});
    d.add({cmd::DeleteAdministrator, 20, false, RefusalStyle::Result, deleteAdministrator});
    d.add({cmd::ChangePassword, 36, false, RefusalStyle::Result, changePassword});
}

}  // namespace korvant::sim
