#include <algorithm>

#include "Dispatcher.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "protocol/CommandCode.h"

// Adding, changing and deleting sub-accounts. A sub-account lives in a
// second-level group, its number lies in the range of the first-level group
// above, and its main account is linked to its group.
namespace korvant::sim {
namespace {

// The checks of a sub-account's group and main account; empty when fine.
std::string checkPlacement(SimState& s, int32_t groupId, const std::string& mainAccount) {
    const Group* g = s.findGroup(groupId);
    if (g == nullptr) return "所属组不存在";
    if (g->level() != 2) return "子账号只能开在二级组";
    if (mainAccount.empty()) return "请选择主账号";
    if (!s.findMainAccount(mainAccount)) return format("主账号 %s 不存在", mainAccount.c_str());
    if (!s.findLink(mainAccount, groupId))
        return format("主账号 %s 未关联到 %s", mainAccount.c_str(), g->name.c_str());
    return {};
}

// 8: number 4, password 20, opening date 36, group 40, name 44, main account
// 86, MAC 102, remark 134, option flags 198.
Answer addSubAccount(const Request& r, Context& c) {
    if (!permitted(c, 0x1)) return refusal("没有添加子账号的权限");
    SubAccount a;
    std::string number = r.text(4, 16);
    if (!parseAccountNumber(number, a.number))
        return refusal("子账号必须为正整数，取值范围 1 至 2147483647");
    if (c.state.findSubAccount(a.number)) return refusal(format("子账号 %d 已存在", a.number));
    a.password = r.text(20, 16);
    if (a.password.empty()) return refusal("密码不能为空");
    a.openingDate = r.i32(36) > 0 ? r.i32(36) : today();
    a.groupId = r.i32(40);
    a.name = r.text(44, 32);
    a.mainAccount = r.text(86, 16);
    a.mac = r.text(102, 32);
    a.remark = r.text(134, 64);
    a.optionFlags = r.i32(198);
    std::string problem = checkPlacement(c.state, a.groupId, a.mainAccount);
    if (!problem.empty()) return refusal(problem);
    if (!manages(c, a.groupId)) return refusal("不能在管辖范围以外的组开户");
    const Group* desk = c.state.findGroup(a.groupId);
    const Group* department = c.state.findGroup(desk->parentId);
    if (department != nullptr) {
        if ((department->rangeFrom != 0 || department->rangeTo != 0) &&
            (a.number < department->rangeFrom || a.number > department->rangeTo))
            return refusal(format("子账号 %d 不在 %s 的账号范围 %d 至 %d 内", a.number,
                                  department->name.c_str(), department->rangeFrom,
                                  department->rangeTo));
        if (department->allowedSubAccounts > 0 &&
            c.state.countSubAccountsBelow(department->id) >= department->allowedSubAccounts)
            return refusal(format("%s 的子账号数量已达上限 %d 个", department->name.c_str(),
                                  department->allowedSubAccounts));
    }
    if (!c.state.marginTemplates.empty()) a.marginTemplateId = c.state.marginTemplates[0].id;
    if (!c.state.feeTemplates.empty()) a.feeTemplateId = c.state.feeTemplates[0].id;
    c.state.subAccounts.push_back(a);
    return done();
}

// 11 (compressed): change flags 4 (0x01 password, 0x10 the other fields),
// group 12, password 16, name 32, main account 64, number 80, MAC 96,
// remark 128, option flags 192.
Answer modifySubAccount(const Request& r, Context& c) {
    if (!permitted(c, 0x2)) return refusal("没有修改子账号的权限");
    int32_t number = 0;
    std::string text = r.text(80, 16);
    SubAccount* a = parseAccountNumber(text, number) ? c.state.findSubAccount(number) : nullptr;
    if (a == nullptr) return refusal(format("子账号 %s 不存在", text.c_str()));
    if (!manages(c, a->groupId)) return refusal("不能修改管辖范围以外的子账号");
    int32_t changes = r.i32(4);
    std::string password = r.text(16, 16);
    if ((changes & 0x01) && password.empty()) return refusal("密码不能为空");
    if (changes & 0x10) {
        int32_t groupId = r.i32(12);
        std::string mainAccount = r.text(64, 16);
        std::string problem = checkPlacement(c.state, groupId, mainAccount);
        if (!problem.empty()) return refusal(problem);
        const Group* from = c.state.findGroup(a->groupId);
        const Group* to = c.state.findGroup(groupId);
        if (from != nullptr && to != nullptr && from->parentId != to->parentId)
            return refusal("子账号只能在同一个一级组内调整分组");
        // Funds belong to the main account that provided them.
        if (mainAccount != a->mainAccount && a->available > 0)
            return refusal("子账号尚有可用资金，请先出金再更换主账号");
        a->groupId = groupId;
        a->mainAccount = mainAccount;
        a->name = r.text(32, 32);
        a->mac = r.text(96, 32);
        a->remark = r.text(128, 64);
        a->optionFlags = r.i32(192);
    }
    if (changes & 0x01) a->password = password;
    return done();
}

// 14: number 4. Funds still held go back to the link they came from.
Answer deleteSubAccount(const Request& r, Context& c) {
    if (!permitted(c, 0x4)) return refusal("没有删除子账号的权限");
    int32_t number = 0;
    std::string text = r.text(4, 16);
    SubAccount* a = parseAccountNumber(text, number) ? c.state.findSubAccount(number) : nullptr;
    if (a == nullptr) return refusal(format("子账号 %s 不存在", text.c_str()));
    if (!manages(c, a->groupId)) return refusal("不能删除管辖范围以外的子账号");
    if (a->available > 0) {
        const MainAccount* m = c.state.findMainAccount(a->mainAccount);
        MainAccountLink* link = c.state.findLink(a->mainAccount, a->groupId);
        if (m != nullptr && m->limited() && link != nullptr) link->distributable += a->available;
        recordMovement(c, text, a->groupId, -a->available, "销户资金退回主账号 " + a->mainAccount);
    }
    auto& list = c.state.subAccounts;
    list.erase(list.begin() + (a - list.data()));
    return done();
}

}  // namespace

void addSubAccountHandlers(Dispatcher& d) {
    d.add({cmd::AddSubAccount, 202, false, RefusalStyle::Result, addSubAccount});
    d.add({cmd::ModifySubAccount, 196, true, RefusalStyle::Result, modifySubAccount});
    d.add({cmd::DeleteSubAccount, 20, false, RefusalStyle::Result, deleteSubAccount});
}

}  // namespace korvant::sim
