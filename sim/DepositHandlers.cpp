#include <algorithm>
#include <cmath>

#include "Dispatcher.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "PageSizes.h"
#include "RecordWriters.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"

// Deposits and withdrawals. Money flows from a main account to its links in
// second-level groups and from a link to the sub-accounts of that group; a
// limited main account's initial funds always equal what it still holds
// plus what its links hold plus the available funds of its sub-accounts.
// The three movements answer with their own command: an i32 at 4 (1 done,
// 0 refused) and a text from 8.
namespace korvant::sim {
namespace {

constexpr int32_t Deposit = 0, Withdrawal = 1;

Answer moved(uint8_t command, const std::string& text) {
    return statusAnswer(command, 1, text);
}
Answer refusedMove(uint8_t command, const std::string& text) {
    return statusAnswer(command, 0, text);
}

// Direction and amount shared by the three movements; empty when valid.
std::string checkMovement(int32_t direction, double amount) {
    if (direction != Deposit && direction != Withdrawal) return "转账方向不正确";
    if (!std::isfinite(amount) || amount < 0) return "金额不正确";
    return {};
}

bool validTotal(double v) {
    return std::isfinite(v) && v >= 0;
}

// 36: group code 4, sub-account 20, direction 52, amount 56, main account 64,
// count in history 80, new priority funds 84, new start investment 92,
// remark 100.
Answer subAccountMovement(const Request& r, Context& c) {
    const uint8_t command = cmd::SubAccountDeposit;
    if (!permitted(c, 0x40)) return refusedMove(command, "没有出入金的权限");
    std::string text = r.text(20, 32);
    int32_t number = 0;
    SubAccount* a = parseAccountNumber(text, number) ? c.state.findSubAccount(number) : nullptr;
    if (a == nullptr) return refusedMove(command, format("子账号 %s 不存在", text.c_str()));
    if (!manages(c, a->groupId)) return refusedMove(command, "不能操作管辖范围以外的子账号");
    int32_t direction = r.i32(52);
    double amount = r.f64(56);
    std::string problem = checkMovement(direction, amount);
    if (!problem.empty()) return refusedMove(command, problem);
    double priority = r.f64(84), start = r.f64(92);
    if (!validTotal(priority) || !validTotal(start)) return refusedMove(command, "金额不正确");
    const MainAccount* main = c.state.findMainAccount(a->mainAccount);
    MainAccountLink* link = c.state.findLink(a->mainAccount, a->groupId);
    bool limited = main != nullptr && main->limited();
    if (direction == Withdrawal && amount > a->available + 1e-9)
        return refusedMove(command, format("可用资金不足，最多可出金 %.2f", a->available));
    if (direction == Deposit && limited) {
        double room = link ? link->distributable : 0;
        if (amount > room + 1e-9)
            return refusedMove(command, format("主账号 %s 在本组的可分配资金不足，可入金 %.2f",
                                               a->mainAccount.c_str(), room));
    }
    double change = direction == Deposit ? amount : -amount;
    a->available += change;
    if (limited && link) link->distributable -= change;
    a->priorityFunds = priority;
    a->startInvestment = start;
    int32_t serial = 0;
    if (amount != 0) serial = recordMovement(c, text, a->groupId, change, r.text(100, 64));
    return moved(command, format("出入金成功，流水号 %d", serial));
}

// 82: group code 4, main account 20, direction 36, amount 40, new priority
// funds 48, new start investment 56.
Answer mainAccountMovement(const Request& r, Context& c) {
    const uint8_t command = cmd::MainAccountDeposit;
    if (!permitted(c, 0x40)) return refusedMove(command, "没有出入金的权限");
    std::string account = r.text(20, 16);
    MainAccount* m = c.state.findMainAccount(account);
    if (m == nullptr) return refusedMove(command, format("主账号 %s 不存在", account.c_str()));
    std::string code = r.text(4, 16);
    const Group* g = c.state.findGroup(m->groupId);
    if (!code.empty() && (g == nullptr || g->code != code))
        return refusedMove(command, "主账号不属于该组");
    if (!manages(c, m->groupId)) return refusedMove(command, "不能操作管辖范围以外的主账号");
    int32_t direction = r.i32(36);
    double amount = r.f64(40);
    std::string problem = checkMovement(direction, amount);
    if (!problem.empty()) return refusedMove(command, problem);
    double priority = r.f64(48), start = r.f64(56);
    if (!validTotal(priority) || !validTotal(start)) return refusedMove(command, "金额不正确");
    if (direction == Withdrawal && m->limited() && amount > m->distributable + 1e-9)
        return refusedMove(command, format("可分配资金不足，最多可出金 %.2f", m->distributable));
    double change = direction == Deposit ? amount : -amount;
    // An unlimited main account stays unlimited: only the movement is kept.
    if (m->limited()) {
        m->initialFunds += change;
        m->distributable += change;
    }
    m->priorityFunds = priority;
    m->startInvestment = start;
    int32_t serial = 0;
    if (amount != 0) serial = recordMovement(c, account, m->groupId, change, "主账号出入金");
    return moved(command, format("出入金成功，流水号 %d", serial));
}

// 67: second-level group code 4, main account 20, direction 52, amount 56.
// Moves funds between the main account and its link in that group.
Answer linkMovement(const Request& r, Context& c) {
    const uint8_t command = cmd::LinkDeposit;
    if (!permitted(c, 0x40)) return refusedMove(command, "没有出入金的权限");
    std::string code = r.text(4, 16);
    std::string account = r.text(20, 32);
    const Group* g = c.state.findGroupByCode(code);
    if (g == nullptr) return refusedMove(command, format("组 %s 不存在", code.c_str()));
    MainAccount* m = c.state.findMainAccount(account);
    if (m == nullptr) return refusedMove(command, format("主账号 %s 不存在", account.c_str()));
    MainAccountLink* link = c.state.findLink(account, g->id);
    if (link == nullptr)
        return refusedMove(command,
                           format("主账号 %s 未关联到 %s", account.c_str(), g->name.c_str()));
    if (!manages(c, g->id)) return refusedMove(command, "不能操作管辖范围以外的组");
    if (!m->limited()) return refusedMove(command, "主账号不限制资金，无需入金");
    int32_t direction = r.i32(52);
    double amount = r.f64(56);
    std::string problem = checkMovement(direction, amount);
    if (!problem.empty()) return refusedMove(command, problem);
    if (amount == 0) return refusedMove(command, "金额不正确");
    if (direction == Deposit && amount > m->distributable + 1e-9)
        return refusedMove(command, format("主账号可分配资金不足，可入金 %.2f", m->distributable));
    if (direction == Withdrawal && amount > link->distributable + 1e-9)
        return refusedMove(command,
                           format("本组可分配资金不足，最多可出金 %.2f", link->distributable));
    double change = direction == Deposit ? amount : -amount;
    link->distributable += change;
    m->distributable -= change;
    int32_t serial = recordMovement(c, account, g->id, change,
                                    (direction == Deposit ? "划入 " : "划出 ") + g->name);
    return moved(command, format("出入金成功，流水号 %d", serial));
}

// 81: sub-account 4. The answer: available funds 4, equity 12, priority
// funds 20, start investment 28.
Answer subAccountFunds(const Request& r, Context& c) {
    std::string text = r.text(4, 32);
    int32_t number = 0;
    const SubAccount* a =
        parseAccountNumber(text, number) ? c.state.findSubAccount(number) : nullptr;
    if (a == nullptr) return refusal(format("子账号 %s 不存在", text.c_str()));
    Answer out = fixedAnswer(cmd::SubAccountFunds, 36);
    putF64(out.data() + 4, a->available);
    putF64(out.data() + 12, a->available + a->positionMargin);
    putF64(out.data() + 20, a->priorityFunds);
    putF64(out.data() + 28, a->startInvestment);
    return out;
}

// 47: start date 4, end date 8 (0 = open), customer text 12, account id 44
// (-1 when the customer was typed, else a node of the report tree: a group
// id, or the node of a customer named by the text), page 48.
Answer depositRecords(const Request& r, Context& c) {
    int32_t from = r.i32(4), to = r.i32(8);
    std::string customer = r.text(12, 32);
    int32_t accountId = r.i32(44);
    int32_t number = 0;
    bool byCustomer =
        !customer.empty() && (accountId == -1 || (parseAccountNumber(customer, number) &&
                                                  c.state.findSubAccount(number) != nullptr));
    bool byGroup = !byCustomer && accountId > 0 && c.state.findGroup(accountId) != nullptr;
    std::vector<bool> within = byGroup ? c.state.subtree(accountId) : std::vector<bool>();
    // The records of the date range through the date index, in the order
    // they were made.
    const auto& byDate = c.state.depositsByDate();
    const auto& all = c.state.deposits;
    auto first = from == 0 ? byDate.begin()
                           : std::lower_bound(
                                 byDate.begin(), byDate.end(), from,
                                 [&all](uint32_t i, int32_t date) { return all[i].date < date; });
    auto last =
        to == 0 ? byDate.end()
                : std::upper_bound(first, byDate.end(), to,
                                   [&all](int32_t date, uint32_t i) { return date < all[i].date; });
    std::vector<uint32_t> range(first, last);
    if (!std::is_sorted(range.begin(), range.end())) std::sort(range.begin(), range.end());
    std::vector<const DepositRecord*> hits;
    hits.reserve(range.size());
    for (uint32_t i : range) {
        const DepositRecord& d = all[i];
        if (byCustomer && d.accountText != customer) continue;
        if (byGroup && (d.groupId < 0 || static_cast<std::size_t>(d.groupId) >= within.size() ||
                        !within[static_cast<std::size_t>(d.groupId)]))
            continue;
        hits.push_back(&d);
    }
    return pageAnswer(cmd::DepositRecords, DepositRecordSize, page::DepositRecords, r.i32(48),
                      static_cast<int>(hits.size()), [&](uint8_t* p, int i) {
                          writeDepositRecord(p, *hits[static_cast<std::size_t>(i)]);
                      });
}

}  // namespace

void addDepositHandlers(Dispatcher& d) {
    d.add({cmd::SubAccountDeposit, 164, false, RefusalStyle::Status, subAccountMovement});
    d.add({cmd::MainAccountDeposit, 64, false, RefusalStyle::Status, mainAccountMovement});
    d.add({cmd::LinkDeposit, 64, false, RefusalStyle::Status, linkMovement});
    d.add({cmd::SubAccountFunds, 40, false, RefusalStyle::Result, subAccountFunds});
    d.add({cmd::DepositRecords, 56, false, RefusalStyle::Result, depositRecords});
}

}  // namespace korvant::sim
