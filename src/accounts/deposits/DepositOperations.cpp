#include "accounts/deposits/DepositOperations.h"

#include <functional>
#include <vector>

#include "accounts/deposits/DepositForm.h"
#include "accounts/deposits/DepositRequests.h"
#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "app/exchange/Change.h"
#include "app/exchange/Query.h"
#include "app/lists/AccountListAgain.h"
#include "app/lists/AccountListQuery.h"
#include "app/lists/GroupLevelRule.h"
#include "app/lists/LinkedAccountLoads.h"
#include "app/session/Permissions.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

namespace {

const char* const DepositTitle = "出入金";
const char* const UndecodableText = "  错误的数据包, 无法解析 !  ";

bool runDialog(Desk& desk, DepositForm& form) {
    FrontEndPort& port = desk.port();
    return port.editForm(
        form, [&port](Form& f) { return validateDepositForm(port, static_cast<DepositForm&>(f)); });
}

// The change shared by the three deposits. An answer of the request's own
// command is decided by its int32 at offset 4 (non-zero done, zero refused
// with the text from offset 8); any other answer is judged as an
// acknowledgement: a command-0 refusal is a failure with the server's text,
// never a success. On success the list the operation came from is queried
// again.
bool runDeposit(Desk& desk, const std::string& holder,
                const std::function<int(uint8_t*, int)>& build, AccountList list) {
    ChangeSpec spec;
    spec.title = DepositTitle;
    spec.exchange = ExchangeTexts::operation("   组包出错! ");
    spec.ack.title = DepositTitle;
    spec.ack.failureRow = textf("出入金:%s失败！", holder.c_str());
    spec.ack.refusalAddsServerText = false;
    spec.ack.successRow = textf("出入金:%s成功！", holder.c_str());
    spec.ack.parseFailed = UndecodableText;
    uint8_t command = 0;
    spec.build = [&build, &command](std::span<uint8_t> buffer) {
        const int length = build(buffer.data(), static_cast<int>(buffer.size()));
        if (length >= HeaderSize) command = buffer[3];
        return length;
    };
    spec.judgement = Judgement::Custom;
    spec.judge = [&spec, &command](Desk& d, std::span<const uint8_t> answer) {
        const int length = static_cast<int>(answer.size());
        if (length < HeaderSize || answer[3] != command)
            return acknowledge(d, answer.data(), length, spec.ack);
        const std::string& failureRow = spec.ack.failureRow;
        if (decodeAnswer(d.router(), answer.data(), length) != 0) {
            d.statusList().append(DepositTitle, failureRow, false);
            d.port().error(UndecodableText);
            return AckResult::ParseFailed;
        }
        DepositOutcome outcome = parseDepositOutcome(answer.data(), length);
        if (!outcome.success) {
            d.statusList().append(DepositTitle, failureRow, false);
            d.port().error(outcome.text);
            return AckResult::Refused;
        }
        d.statusList().append(DepositTitle, spec.ack.successRow, false);
        return AckResult::Success;
    };
    spec.requeryList = [list](Desk& d) { requeryAccountList(d, list, ListRequery::CachedPage); };
    return runChange(desk, spec).done;
}

// Sends a deposit request with what every kind carries: the group, the
// direction and the amount of the form.
template <class Deposit>
bool sendDeposit(Desk& desk, const CurrentGroup& group, const std::string& holder, Deposit deposit,
                 const DepositForm& form, int (*write)(const Deposit&, uint8_t*, int),
                 AccountList list) {
    deposit.groupCode = group.code;
    deposit.direction = form.direction;
    deposit.availableChange = form.availableChange;
    return runDeposit(
        desk, holder,
        [&deposit, write](uint8_t* buffer, int capacity) {
            return write(deposit, buffer, capacity);
        },
        list);
}

// The totals are sent: they are computed from the funds as they are now,
// read again after the dialog, so that a change made meanwhile by another
// session is kept.
template <class Deposit>
void setNewTotals(Deposit& deposit, DepositForm form, double priority, double startInvestment) {
    form.priority = priority;
    form.startInvestment = startInvestment;
    const DepositTotals totals = depositTotals(form);
    deposit.newPriority = totals.priority;
    deposit.newStartInvestment = totals.startInvestment;
}

// The dialog between what an operation reads before and what it sends
// after. The record is a copy: the lists may be read again meanwhile.
template <class Record, class Prepare, class Apply>
bool depositWithDialog(Desk& desk, const CurrentGroup& listed, const Record* record,
                       Prepare prepare, Apply apply) {
    if (record == nullptr) return false;
    const Record target = *record;
    const CurrentGroup group = listed;  // the window may change meanwhile
    std::optional<DepositForm> form = prepare(desk, group, target);
    return form && runDialog(desk, *form) && apply(desk, group, target, *form);
}

// Reads the funds of a sub-account (command 81). A lost connection ends
// the program; an answer that cannot be read stops the operation, and so
// does a refusal, whose text is followed by the undecodable message.
std::optional<SubAccountFunds> querySubAccountFunds(Desk& desk, const std::string& account) {
    QuerySpec spec;
    spec.build = [&account](std::span<uint8_t> buffer) {
        return writeSubAccountFundsQuery(account, buffer.data(), static_cast<int>(buffer.size()));
    };
    spec.command = cmd::SubAccountFunds;
    spec.route = false;
    spec.undecodable = UndecodableText;
    const QueryResult answer = runQuery(desk, spec);
    if (!answer && answer.failure() == QueryFailure::Refused) desk.port().error(UndecodableText);
    if (!answer) return std::nullopt;
    std::optional<SubAccountFunds> funds =
        parseSubAccountFunds(answer.packet().data(), static_cast<int>(answer.packet().size()));
    if (!funds) desk.port().error(UndecodableText);
    return funds;
}

const MainAccount* cachedMainAccount(Desk& desk, const std::string& account) {
    for (const MainAccount& main : desk.accounts().mainAccounts.records)
        if (main.account == account) return &main;
    return nullptr;
}

}  // namespace

bool depositSubAccount(Desk& desk, const CurrentGroup& group, const SubAccount* record) {
    return depositWithDialog(desk, group, record, prepareSubAccountDeposit, applySubAccountDeposit);
}

std::optional<DepositForm> prepareSubAccountDeposit(Desk& desk, const CurrentGroup& group,
                                                    const SubAccount& account) {
    if (!gate(desk.port(), desk.session().permissionMask, GatedOperation::Deposit)) return {};
    if (!requireGroupLevel(desk, group.code, GroupLevel::Second, "子账号出入金")) return {};
    // The depositable amount comes from the links: without them the dialog
    // would show a wrong one.
    if (!loadGroupMainAccountLinks(desk, group.id)) return {};
    std::optional<SubAccountFunds> funds = querySubAccountFunds(desk, account.account);
    if (!funds) return {};

    DepositForm form;
    form.mode = DepositMode::SubAccount;
    form.holder = account.account;
    form.available = funds->available;
    form.equity = funds->equity;
    form.priority = funds->priority;
    form.startInvestment = funds->startInvestment;
    if (const MainAccount* main = cachedMainAccount(desk, account.mainAccount))
        form.initialFunds = main->initialFunds;
    for (const MainAccountLink& link : desk.accounts().mainAccountLinks.records) {
        if (link.account == account.mainAccount) {
            form.depositable = link.distributableFunds;
            break;
        }
    }
    return form;
}

bool applySubAccountDeposit(Desk& desk, const CurrentGroup& group, const SubAccount& account,
                            DepositForm form) {
    if (!gate(desk, GatedOperation::Deposit)) return false;
    const std::optional<SubAccountFunds> funds = querySubAccountFunds(desk, account.account);
    if (!funds) return false;
    SubAccountDeposit deposit;
    deposit.subAccount = account.account;
    deposit.mainAccount = account.mainAccount;
    deposit.countInHistory = form.countInHistory;
    deposit.remark = form.remark;
    setNewTotals(deposit, form, funds->priority, funds->startInvestment);
    return sendDeposit(desk, group, account.account, deposit, form, writeSubAccountDeposit,
                       AccountList::SubAccounts);
}

bool depositMainAccount(Desk& desk, const CurrentGroup& group, const MainAccount* record) {
    return depositWithDialog(desk, group, record, prepareMainAccountDeposit,
                             applyMainAccountDeposit);
}

std::optional<DepositForm> prepareMainAccountDeposit(Desk& desk, const CurrentGroup& group,
                                                     const MainAccount& account) {
    if (!gate(desk.port(), desk.session().permissionMask, GatedOperation::Deposit)) return {};
    if (!requireGroupLevel(desk, group.code, GroupLevel::First, "主账号出入金")) return {};

    DepositForm form;
    form.mode = DepositMode::MainAccount;
    form.holder = account.account;
    form.available = account.distributableFunds;
    form.priority = account.priorityFunds;
    form.startInvestment = account.startInvestment;
    form.initialFunds = account.initialFunds;
    return form;
}

bool applyMainAccountDeposit(Desk& desk, const CurrentGroup& group, const MainAccount& account,
                             DepositForm form) {
    if (!gate(desk, GatedOperation::Deposit)) return false;
    // The totals from the main account as it is now.
    if (!readAccountListAgain(desk, AccountList::MainAccounts, group.id)) return false;
    const MainAccount* now = cachedMainAccount(desk, account.account);
    if (now == nullptr) {
        desk.port().error(textf("主账号 %s 已不存在。", account.account.c_str()));
        return false;
    }
    MainAccountDeposit deposit;
    deposit.mainAccount = account.account;
    setNewTotals(deposit, form, now->priorityFunds, now->startInvestment);
    return sendDeposit(desk, group, account.account, deposit, form, writeMainAccountDeposit,
                       AccountList::MainAccounts);
}

bool depositLink(Desk& desk, const CurrentGroup& group, const MainAccountLink* record) {
    if (!gate(desk.port(), desk.session().permissionMask, GatedOperation::Deposit)) return false;
    if (record == nullptr) {
        desk.port().info("  请先选择主账号。");
        return false;
    }
    return depositWithDialog(desk, group, record, prepareLinkDeposit, applyLinkDeposit);
}

std::optional<DepositForm> prepareLinkDeposit(Desk& desk, const CurrentGroup& group,
                                              const MainAccountLink& link) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::Deposit)) return {};
    if (!requireGroupLevel(desk, group.code, GroupLevel::Second, "关联主账号出入金")) return {};

    loadParentMainAccounts(desk, group.code);
    DepositForm form;
    form.mode = DepositMode::Link;
    form.holder = link.account;
    form.available = link.distributableFunds;
    if (const MainAccount* main = cachedMainAccount(desk, link.account)) {
        form.initialFunds = main->initialFunds;
        form.depositable = main->distributableFunds;
    }
    if (form.initialFunds == 0) {
        port.info("主账号不限制资金，无需入金。");
        return {};
    }
    return form;
}

bool applyLinkDeposit(Desk& desk, const CurrentGroup& group, const MainAccountLink& link,
                      const DepositForm& form) {
    if (!gate(desk, GatedOperation::Deposit)) return false;
    LinkDeposit deposit;
    deposit.mainAccount = link.account;
    return sendDeposit(desk, group, link.account, deposit, form, writeLinkDeposit,
                       AccountList::MainAccountLinks);
}

}  // namespace korvant
