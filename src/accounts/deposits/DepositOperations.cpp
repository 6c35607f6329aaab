#include "accounts/deposits/DepositOperations.h"

#include <functional>
#include <vector>

#include "accounts/deposits/DepositForm.h"
#include "accounts/deposits/DepositRequests.h"
#include "app/AccountLists.h"
#include "app/ActionDispatcher.h"
#include "app/Desk.h"
#include "app/Exchange.h"
#include "app/LinkedAccountLoads.h"
#include "app/ListSelection.h"
#include "app/Permissions.h"
#include "protocol/Packet.h"

namespace korvant {

namespace {

constexpr int OperationBufferSize = 24796;
const char* const DepositTitle = "出入金";
const char* const UndecodableText = "  错误的数据包, 无法解析 !  ";

bool runDialog(Desk& desk, DepositForm& form) {
    FrontEndPort& port = desk.port();
    return port.editForm(
        form, [&port](Form& f) { return validateDepositForm(port, static_cast<DepositForm&>(f)); });
}

// The exchange shared by the three deposits; on success the list the
// operation came from is queried again.
bool sendDeposit(Desk& desk, const std::string& holder,
                 const std::function<int(uint8_t*, int)>& build, AccountList list) {
    FrontEndPort& port = desk.port();
    const std::string failureRow = textf("出入金:%s失败！", holder.c_str());
    ExchangeTexts texts = ExchangeTexts::operation("   组包出错! ");
    texts.failureRowTitle = DepositTitle;
    texts.failureRowDetail = failureRow;

    std::vector<uint8_t> buffer(OperationBufferSize, 0);
    int length = build(buffer.data(), static_cast<int>(buffer.size()));
    int received = exchange(desk, buffer.data(), length, buffer, texts);
    if (received <= 0) return false;
    if (decodeAnswer(desk.router(), buffer.data(), received) != 0) {
        desk.statusList().append(DepositTitle, failureRow, false);
        port.error(UndecodableText);
        return false;
    }
    DepositOutcome outcome = parseDepositOutcome(buffer.data(), received);
    if (!outcome.success) {
        desk.statusList().append(DepositTitle, failureRow, false);
        port.error(outcome.text);
        return false;
    }
    desk.statusList().append(DepositTitle, textf("出入金:%s成功！", holder.c_str()), false);
    PageCursor cursor = accountListCursor(desk, list);
    showAccountList(desk, list, cursor.last < 0 ? 0 : cursor.last);
    return true;
}

// Reads the funds of a sub-account (command 81). A lost connection ends
// the program; an answer that cannot be read stops the operation.
std::optional<SubAccountFunds> querySubAccountFunds(Desk& desk, const std::string& account) {
    std::vector<uint8_t> buffer(OperationBufferSize, 0);
    int length = writeSubAccountFundsQuery(account, buffer.data(), static_cast<int>(buffer.size()));
    int received = exchange(desk, buffer.data(), length, buffer, ExchangeTexts::query());
    if (received <= 0) return std::nullopt;
    std::optional<SubAccountFunds> funds;
    if (decodeAnswer(desk.router(), buffer.data(), received) == 0)
        funds = parseSubAccountFunds(buffer.data(), received);
    if (!funds) desk.port().error(UndecodableText);
    return funds;
}

const MainAccount* cachedMainAccount(Desk& desk, const std::string& account) {
    for (const MainAccount& main : desk.accounts().mainAccounts.records)
        if (main.account == account) return &main;
    return nullptr;
}

}  // namespace

bool depositSubAccount(Desk& desk, const SubAccount* record) {
    if (!gate(desk.port(), desk.session().permissionMask, GatedOperation::Deposit)) return false;
    if (record == nullptr) return false;
    const SubAccount account = *record;

    loadGroupMainAccountLinks(desk);
    std::optional<SubAccountFunds> funds = querySubAccountFunds(desk, account.account);
    if (!funds) return false;

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
    if (!runDialog(desk, form)) return false;

    DepositTotals totals = depositTotals(form);
    SubAccountDeposit deposit;
    deposit.groupCode = desk.mainState().group.code;
    deposit.subAccount = account.account;
    deposit.direction = form.direction;
    deposit.availableChange = form.availableChange;
    deposit.mainAccount = account.mainAccount;
    deposit.countInHistory = form.countInHistory;
    deposit.newPriority = totals.priority;
    deposit.newStartInvestment = totals.startInvestment;
    deposit.remark = form.remark;
    return sendDeposit(
        desk, account.account,
        [&deposit](uint8_t* buffer, int capacity) {
            return writeSubAccountDeposit(deposit, buffer, capacity);
        },
        AccountList::SubAccounts);
}

bool depositMainAccount(Desk& desk, const MainAccount* record) {
    if (!gate(desk.port(), desk.session().permissionMask, GatedOperation::Deposit)) return false;
    if (record == nullptr) return false;
    const MainAccount account = *record;

    DepositForm form;
    form.mode = DepositMode::MainAccount;
    form.holder = account.account;
    form.available = account.distributableFunds;
    form.priority = account.priorityFunds;
    form.startInvestment = account.startInvestment;
    form.initialFunds = account.initialFunds;
    if (!runDialog(desk, form)) return false;

    DepositTotals totals = depositTotals(form);
    MainAccountDeposit deposit;
    deposit.groupCode = desk.mainState().group.code;
    deposit.mainAccount = account.account;
    deposit.direction = form.direction;
    deposit.availableChange = form.availableChange;
    deposit.newPriority = totals.priority;
    deposit.newStartInvestment = totals.startInvestment;
    return sendDeposit(
        desk, account.account,
        [&deposit](uint8_t* buffer, int capacity) {
            return writeMainAccountDeposit(deposit, buffer, capacity);
        },
        AccountList::MainAccounts);
}

bool depositLink(Desk& desk, const MainAccountLink* record) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, GatedOperation::Deposit)) return false;
    if (record == nullptr) {
        port.info("  请先选择主账号。");
        return false;
    }
    const MainAccountLink link = *record;

    loadParentMainAccounts(desk);
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
        return false;
    }
    if (!runDialog(desk, form)) return false;

    LinkDeposit deposit;
    deposit.groupCode = desk.mainState().group.code;
    deposit.mainAccount = link.account;
    deposit.direction = form.direction;
    deposit.availableChange = form.availableChange;
    return sendDeposit(
        desk, link.account,
        [&deposit](uint8_t* buffer, int capacity) {
            return writeLinkDeposit(deposit, buffer, capacity);
        },
        AccountList::MainAccountLinks);
}

void registerDepositActions(Desk& desk) {
    ActionDispatcher& d = desk.dispatcher();
    d.registerHandler(ActionCode::SubAccountDeposit, [&desk](const ActionMessage&) {
        const std::vector<SubAccount> selected = selectedSubAccounts(desk);
        depositSubAccount(desk, selected.empty() ? nullptr : &selected.front());
    });
    d.registerHandler(ActionCode::MainAccountDeposit, [&desk](const ActionMessage&) {
        const RecordCache<MainAccount>& cache = desk.accounts().mainAccounts;
        int row = firstSelectedRow(desk, cache.count());
        depositMainAccount(desk, row < 0 ? nullptr : &cache.at(row));
    });
    d.registerHandler(ActionCode::LinkDeposit, [&desk](const ActionMessage&) {
        const RecordCache<MainAccountLink>& cache = desk.accounts().mainAccountLinks;
        int row = firstSelectedRow(desk, cache.count());
        depositLink(desk, row < 0 ? nullptr : &cache.at(row));
    });
}

}  // namespace korvant
