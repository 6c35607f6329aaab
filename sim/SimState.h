#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "OperationLogStore.h"
#include "SettlementState.h"

// The server's own picture of the world: every group, administrator,
// account, template, rule and money movement it knows. Requests read and
// change it; nothing of it is shared with the desk's caches. Texts are UTF-8.
namespace korvant::sim {

struct Group {
    int32_t id = 0;
    int32_t parentId = 0;
    std::string code;  // empty for the root, 2 characters first level, 4 second level
    std::string name;
    std::string remark;
    int32_t reference = 0;  // handed out with the record, expected back on a change
    int32_t allowedSubAccounts = 0;
    int32_t rangeFrom = 0;
    int32_t rangeTo = 0;

    int level() const { return code.empty() ? 0 : (code.size() <= 2 ? 1 : 2); }
};

struct Administrator {
    std::string account;
    std::string password;
    std::string name;
    uint32_t permissionMask = 0;
    int32_t groupId = 1;
    int32_t multiLogin = 1;
    // Wire order: the first octet in the lowest byte; packed at the front.
    std::array<uint32_t, 5> allowedIps{};
    int32_t monitorFrom = 0;
    int32_t monitorTo = 0;
};

struct MainAccount {
    std::string account;
    std::string tradePassword;
    std::string fundPassword;
    int32_t groupId = 0;       // first-level group
    double initialFunds = 0;   // 0 = not limited
    double distributable = 0;  // not yet handed to any link
    double startInvestment = 0;
    double priorityFunds = 0;
    std::array<double, 5> fees{};  // management, custody, then three further values
    double feesDue = 0;

    bool limited() const { return initialFunds != 0; }
};

// A main account made available to one second-level group, with the funds
// that group may still hand to its sub-accounts.
struct MainAccountLink {
    std::string mainAccount;
    int32_t groupId = 0;
    double distributable = 0;
};

struct SubAccount {
    int32_t number = 0;
    std::string password;
    std::string name;
    int32_t groupId = 0;
    int32_t openingDate = 0;
    std::string mainAccount;
    int32_t marginTemplateId = 0;
    int32_t feeTemplateId = 0;
    double startInvestment = 0;
    double priorityFunds = 0;
    double available = 0;
    double positionMargin = 0;  // equity = available + position margin
    std::string mac;
    std::string remark;
    int32_t optionFlags = 0;
};

struct ContractVariety {
    std::string contract;
    std::string product;
    std::string exchange;
};

// The rates of one contract in a template. Fee templates use six values
// (open, close, close today; by money in 1/10000 and per lot), the
// close-today discount and the collection mode; margin templates twelve
// values (speculation, hedge, arbitrage; long and short; by money in % and
// per lot) and the collection mode.
struct RateRow {
    std::array<double, 12> values{};
    int32_t discount = 0;
    int32_t mode = 0;
};

// The rates every delivery month of a product starts with.
struct ProductRate {
    std::string product;
    RateRow row;
};

struct RateTemplate {
    int32_t id = 0;
    std::string name;
    std::string groupCode;  // the first-level group that owns it
    std::vector<ProductRate> rates;
    // Rates set for single contracts; they win over the product's.
    std::map<std::string, RateRow> contracts;

    RateRow rowOf(const ContractVariety& contract) const;
};

struct RiskRule {
    int32_t id = 0;
    int32_t kind = 0;
    int32_t accountLevel = 0;
    int32_t category = 0;
    std::string scope;
    std::array<int32_t, 6> parameters{};
    int32_t forbidOpen = 0;
    int32_t forbidClose = 0;
    int32_t notifyMinutes = 0;
    int32_t forceCloseShare = 0;
    std::string summary;
    int32_t owner = 1;  // group whose administrators own the rule
    int32_t windowStart = 0;
    int32_t windowEnd = 0;
};

struct DepositRecord {
    int32_t customer = 0;     // sub-account number, or the main account's digits
    std::string accountText;  // the holder as typed by people
    int32_t groupId = 0;      // the holder's group when the money moved
    int32_t tradeDate = 0;
    int32_t date = 0;
    std::string time;   // HH:MM:SS
    double amount = 0;  // positive deposit, negative withdrawal
    std::string operatorName;
    int32_t serial = 0;
    std::string remark;
};

// How the accounts trade: the orders, trades and positions of a day are
// made up from these and the account, never stored (TradingData).
struct TradingSetup {
    uint32_t seed = 1;
    int32_t firstDay = 0;    // first day with trading (yyyymmdd); 0: the opening date
    int32_t lastDay = 0;     // last day with trading; 0: no end
    int activePercent = 80;  // share of the trading days on which an account opens orders
    int maxOrders = 4;       // orders opened on such a day: 1 to maxOrders
};

// A correction of one position (its volume, its speculation/hedge code),
// shown from `fromDay` on.
struct PositionChange {
    int32_t fromDay = 0;
    int32_t volume = -1;  // -1: unchanged
    uint8_t hedge = 0;    // 0: unchanged
};

// Sub-account, open date, trade number.
using PositionKey = std::tuple<int32_t, int32_t, std::string>;

struct ReportCache;

class SimState {
public:
    std::vector<Group> groups;
    std::vector<Administrator> administrators;
    std::vector<MainAccount> mainAccounts;
    std::vector<MainAccountLink> links;
    std::vector<SubAccount> subAccounts;
    std::vector<ContractVariety> varieties;
    std::vector<RateTemplate> feeTemplates;
    std::vector<RateTemplate> marginTemplates;
    std::vector<RiskRule> riskRules;
    // The rules loaded onto each target (kind 0 sub-account, 1 main account,
    // 2 group; its code), in the target's order: copies of warehouse rules.
    std::map<std::pair<int32_t, std::string>, std::vector<RiskRule>> loadedRules;
    std::vector<DepositRecord> deposits;
    // Free texts of the About dialog, the latest last.
    std::vector<std::string> serviceTexts;
    Settlement settlement;
    // Every data-changing request that the server carried out, oldest first.
    OperationLogStore operationLog;
    int32_t nextGroupId = 2;
    int32_t nextTemplateId = 1;
    int32_t nextSerial = 1;
    // Orders opened every trading day by the accounts that trade more than
    // the rest (account number -> orders), for statements of realistic
    // length.
    std::map<int32_t, int> busyAccounts;
    TradingSetup trading;
    std::map<PositionKey, PositionChange> positionChanges;

    Group* findGroup(int32_t id);
    Group* findGroupByCode(const std::string& code);
    Administrator* findAdministrator(const std::string& account);
    MainAccount* findMainAccount(const std::string& account);
    MainAccountLink* findLink(const std::string& mainAccount, int32_t groupId);
    SubAccount* findSubAccount(int32_t number);
    const RateTemplate* findTemplate(const std::vector<RateTemplate>& list, int32_t id) const;
    RateTemplate* findTemplate(std::vector<RateTemplate>& list, int32_t id);

    // True when `id` is `ancestor` or lies below it in the group tree.
    bool isWithin(int32_t id, int32_t ancestor) const;
    // Membership of every group id in the subtree of `ancestor`, indexed by id.
    std::vector<bool> subtree(int32_t ancestor) const;
    std::string groupName(int32_t id) const;
    // Sub-accounts in the second-level groups below a first-level group.
    int countSubAccountsBelow(int32_t firstLevelId) const;

    // Indexes that let a page be answered in time proportional to the page:
    // positions in the lists, ascending. Built on first use; every request
    // that may change data drops them (`dropIndexes`).
    const std::vector<uint32_t>& subAccountsOfGroup(int32_t groupId) const;
    const std::vector<uint32_t>& mainAccountsOfGroup(int32_t groupId) const;
    // Positions of the deposit records ordered by date, then position.
    const std::vector<uint32_t>& depositsByDate() const;
    // Positions of the sub-accounts (or main accounts) of `ancestor` and the
    // groups below it, ascending; empty when there is no such group.
    const std::vector<uint32_t>& positionsWithin(int32_t ancestor, bool subAccountsList) const;
    void dropIndexes() const;
    // Statements composed since the data last changed, by request (GBK);
    // dropped with the indexes.
    std::map<std::string, std::string>& statementCache() const { return indexes_.statements; }
    // Reports made up since the data last changed (ReportCache.h); dropped
    // with the indexes.
    std::shared_ptr<ReportCache>& reportCache() const { return indexes_.reports; }

private:
    const Group* group(int32_t id) const;
    // Each index is built on its own first use, so that a request touching
    // one list never pays for indexing the others.
    void indexGroups() const;
    void indexSubAccounts() const;
    void indexMainAccounts() const;
    void indexDeposits() const;

    struct Indexes {
        // Sizes of the lists when indexed; SIZE_MAX while not indexed.
        std::size_t subAccountCount = SIZE_MAX;
        std::size_t mainAccountCount = SIZE_MAX;
        std::size_t depositCount = SIZE_MAX;
        std::size_t groupCount = SIZE_MAX;
        std::unordered_map<int32_t, std::vector<uint32_t>> subAccountsByGroup;
        std::unordered_map<int32_t, uint32_t> subAccountByNumber;
        std::unordered_map<int32_t, std::vector<uint32_t>> mainAccountsByGroup;
        std::unordered_map<int32_t, uint32_t> groupById;
        std::unordered_map<int32_t, std::vector<int32_t>> childGroups;
        std::vector<uint32_t> depositsByDate;
        // positionsWithin, by ancestor and list.
        std::map<std::pair<int32_t, bool>, std::vector<uint32_t>> within;
        std::map<std::string, std::string> statements;
        std::shared_ptr<ReportCache> reports;
    };
    mutable Indexes indexes_;
};

}  // namespace korvant::sim
