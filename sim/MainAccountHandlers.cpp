#include <algorithm>
#include <cmath>

#include "Dispatcher.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "protocol/CommandCode.h"

// Creating, changing and deleting main accounts of first-level groups, and
// linking them to the second-level groups below.
namespace korvant::sim {
namespace {

bool validAmount(double v) {
    return std::isfinite(v) && v >= 0;
}

// 38: account 4, initial funds 20, group code 28, trading password 44,
// start investment 76, priority funds 84, fund password 92, management fee
// 124, custody fee 132.
Answer addMainAccount(const Request& r, Context& c) {
    if (!permitted(c, 0x1)) return refusal("没有添加主账号的权限");
    MainAccount m;
    m.account = r.text(4, 16);
    m.initialFunds = r.f64(20);
    std::string code = r.text(28, 16);
    m.tradePassword = r.text(44, 32);
    m.startInvestment = r.f64(76);
    m.priorityFunds = r.f64(84);
    m.fundPassword = r.text(92, 32);
    m.fees = {r.f64(124), r.f64(132), 0, 0, 0};
    if (m.account.empty()) return refusal("主账号不能为空");
    if (c.state.findMainAccount(m.account))
        return refusal(format("主账号 %s 已存在", m.account.c_str()));
    const Group* g = c.state.findGroupByCode(code);
    if (g == nullptr) return refusal(format("组 %s 不存在", code.c_str()));
    if (g->level() != 1) return refusal("主账号只能建在一级组");
    if (!manages(c, g->id)) return refusal("不能在管辖范围以外的组添加主账号");
    if (!validAmount(m.initialFunds) || !validAmount(m.startInvestment) ||
        !validAmount(m.priorityFunds))
        return refusal("金额不能为负数");
    if (!std::isfinite(m.fees[0]) || !std::isfinite(m.fees[1])) return refusal("费率不正确");
    m.groupId = g->id;
    m.distributable = m.initialFunds;
    c.state.mainAccounts.push_back(m);
    return done();
}

// 86: account 4, fund password 28, trading password 60 (empty = unchanged),
// clear fees due 92, fee block of five values from 96.
Answer modifyMainAccount(const Request& r, Context& c) {
    std::string account = r.text(4, 16);
    MainAccount* m = c.state.findMainAccount(account);
    if (m == nullptr) return refusal(format("主账号 %s 不存在", account.c_str()));
    if (!manages(c, m->groupId)) return refusal("不能修改管辖范围以外的主账号");
    std::array<double, 5> fees{};
    for (int i = 0; i < 5; ++i) {
        fees[static_cast<std::size_t>(i)] = r.f64(96 + 8 * i);
        if (!std::isfinite(fees[static_cast<std::size_t>(i)])) return refusal("费率不正确");
    }
    std::string fundPassword = r.text(28, 32), tradePassword = r.text(60, 32);
    if (!fundPassword.empty()) m->fundPassword = fundPassword;
    if (!tradePassword.empty()) m->tradePassword = tradePassword;
    if (r.i32(92) == 1) m->feesDue = 0;
    m->fees = fees;
    return done();
}

// 39: account 4. Refused while sub-accounts use it; its links go with it.
Answer deleteMainAccount(const Request& r, Context& c) {
    if (!permitted(c, 0x20)) return refusal("没有删除主账号的权限");
    std::string account = r.text(4, 16);
    MainAccount* m = c.state.findMainAccount(account);
    if (m == nullptr) return refusal(format("主账号 %s 不存在", account.c_str()));
    if (!manages(c, m->groupId)) return refusal("不能删除管辖范围以外的主账号");
    auto users = std::count_if(c.state.subAccounts.begin(), c.state.subAccounts.end(),
                               [&](const SubAccount& s) { return s.mainAccount == account; });
    if (users > 0)
        return refusal(format("主账号 %s 下还有 %d 个子账号，不能删除", account.c_str(),
                              static_cast<int>(users)));
    auto& links = c.state.links;
    links.erase(std::remove_if(links.begin(), links.end(),
                               [&](const MainAccountLink& l) { return l.mainAccount == account; }),
                links.end());
    auto& list = c.state.mainAccounts;
    list.erase(list.begin() + (m - list.data()));
    return done();
}

// The second-level group of a link request and the main account, checked:
// the main account must belong to the group's parent.
std::string linkTarget(const Request& r, Context& c, const Group*& group, MainAccount*& main) {
    std::string account = r.text(4, 16);
    std::string code = r.text(20, 16);
    group = c.state.findGroupByCode(code);
    if (group == nullptr) return format("组 %s 不存在", code.c_str());
    if (group->level() != 2) return "主账号只能关联到二级组";
    main = c.state.findMainAccount(account);
    if (main == nullptr) return format("主账号 %s 不存在", account.c_str());
    if (main->groupId != group->parentId) return "主账号不属于本组的上级组";
    if (!manages(c, group->id)) return "不能管理管辖范围以外的组";
    return {};
}

// 66: main account 4, second-level group code 20.
Answer linkMainAccount(const Request& r, Context& c) {
    const Group* group = nullptr;
    MainAccount* main = nullptr;
    std::string problem = linkTarget(r, c, group, main);
    if (!problem.empty()) return refusal(problem);
    if (c.state.findLink(main->account, group->id))
        return refusal(format("主账号 %s 已存在", main->account.c_str()));
    c.state.links.push_back({main->account, group->id, 0});
    return done();
}

// 102: main account 4, second-level group code 20. The link's funds go back
// to the main account.
Answer unlinkMainAccount(const Request& r, Context& c) {
    if (!permitted(c, 0x20)) return refusal("没有删除主账号的权限");
    const Group* group = nullptr;
    MainAccount* main = nullptr;
    std::string problem = linkTarget(r, c, group, main);
    if (!problem.empty()) return refusal(problem);
    MainAccountLink* link = c.state.findLink(main->account, group->id);
    if (link == nullptr) return refusal(format("主账号 %s 未关联到本组", main->account.c_str()));
    for (const auto& s : c.state.subAccounts)
        if (s.groupId == group->id && s.mainAccount == main->account)
            return refusal(
                format("本组子账号 %d 还在使用主账号 %s", s.number, main->account.c_str()));
    if (main->limited()) main->distributable += link->distributable;
    auto& links = c.state.links;
    links.erase(links.begin() + (link - links.data()));
    return done();
}

}  // namespace

void addMainAccountHandlers(Dispatcher& d) {
    d.add({cmd::AddMainAccount, 164, false, RefusalStyle::Result, addMainAccount});
    d.add({cmd::ModifyMainAccount, 136, false, RefusalStyle::Result, modifyMainAccount});
    d.add({cmd::DeleteMainAccount, 20, false, RefusalStyle::Result, deleteMainAccount});
    d.add({cmd::LinkMainAccount, 36, false, RefusalStyle::Result, linkMainAccount});
    d.add({cmd::UnlinkMainAccount, 36, false, RefusalStyle::Result, unlinkMainAccount});
}

}  // namespace korvant::sim
