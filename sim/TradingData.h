#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "SimState.h"

// The trading of the accounts, made up on demand from the seed, the account
// and the day, the same on every run and for every request: the orders of a
// day, the trades that filled them, the positions they left (carried for up
// to MaxHoldDays trading days), the account funds, the net values of the
// main accounts and the figures of the settlement statements, so that a day
// shows the same trades and money wherever it is reported. A busy account
// (SimState::busyAccounts) opens its number of orders on every trading day. Nothing of it is
// stored; only the corrections of positions (SimState::positionChanges) are.
namespace korvant::sim {

inline constexpr int ContractMultiplier = 10;
inline constexpr int MaxHoldDays = 5;
inline constexpr double MarginRate = 0.08;

struct OrderFact {
    int32_t day = 0;
    int32_t number = 0;
    int32_t account = 0;
    int32_t request = 0;
    const ContractVariety* variety = nullptr;
    char direction = '0';  // '0' buy, '1' sell
    char offset = '0';     // '0' open, '1' close, '3' close today
    char hedge = '1';      // '1' speculation, '2' arbitrage, '3' hedge
    char priceType = '2';  // '1' market, '2' limit
    char status = '3';
    double price = 0;
    int32_t volume = 0;
    int32_t traded = 0;
    std::string time;
    std::string cancelTime;
    std::string mainAccount;
    std::string systemNumber;
    std::string remark;
    std::string address;
    std::string product;
};

struct TradeFact {
    int32_t day = 0;
    int32_t orderNumber = 0;
    std::string tradeNumber;
    int32_t account = 0;
    int32_t request = 0;
    const ContractVariety* variety = nullptr;
    char direction = '0';
    char offset = '0';
    char hedge = '1';
    double price = 0;
    int32_t volume = 0;
    double amount = 0;
    std::string time;
    std::string mainAccount;
    std::string systemNumber;
    double fee = 0;
    double baseFee = 0;
    double closeFloat = 0;   // against the open price
    double closeProfit = 0;  // against the previous settlement price
};

struct PositionFact {
    const ContractVariety* variety = nullptr;
    std::string mainAccount;
    std::string openTime;
    std::string tradeNumber;
    std::string comboNumber;
    char direction = '0';
    char hedge = '1';
    int32_t account = 0;
    int32_t openDay = 0;
    int32_t day = 0;
    int32_t volume = 0;
    double openPrice = 0;
    double settlement = 0;
    double previousSettlement = 0;  // the open price on the open day
};

struct FundsFact {
    int32_t account = 0;
    int32_t day = 0;
    double equity = 0;
    double previousEquity = 0;
    double available = 0;
    double margin = 0;
    double fees = 0;
    double baseFees = 0;
    double positionFloat = 0;
    double positionProfit = 0;  // marked to market
    double closeFloat = 0;
    double closeProfit = 0;  // marked to market
    double deposits = 0;
    double withdrawals = 0;

    double riskShare() const { return equity > 0 ? margin / equity * 100 : 0; }
    std::string riskText() const;
};

struct NetValueFact {
    std::string mainAccount;
    int32_t day = 0;
    double equity = 0;
    double netAsset = 0;
    double initialInvestment = 0;
    double managementFee = 0;
    double custodyFee = 0;
    double accruedManagement = 0;
    double accruedCustody = 0;
};

// The day before `day` (yyyymmdd).
int32_t previousDay(int32_t day);

class TradingData {
public:
    explicit TradingData(const SimState& state);

    // Whether `account` has trading data on `day` (a weekday within the
    // trading period, not before the account was opened).
    bool trades(const SubAccount& account, int32_t day) const;
    // The trading days of [from, to] (at most some ten years are walked).
    std::vector<int32_t> tradingDays(int32_t from, int32_t to) const;

    std::vector<OrderFact> orders(const SubAccount& account, int32_t day) const;
    std::vector<TradeFact> tradesOf(const SubAccount& account, int32_t day) const;
    // Positions held at the end of `day`, corrections applied.
    std::vector<PositionFact> positions(const SubAccount& account, int32_t day) const;
    int orderCount(const SubAccount& account, int32_t day) const;
    int tradeCount(const SubAccount& account, int32_t day) const;

    FundsFact funds(const SubAccount& account, int32_t day) const;
    // Funds over [from, to]: equity, margin and available at the last day,
    // previous equity before the first, sums in between. False when the
    // account has no trading day in the range.
    bool funds(const SubAccount& account, int32_t from, int32_t to, FundsFact& out) const;
    std::vector<NetValueFact> netValues(const MainAccount& main, int32_t from, int32_t to) const;
    // The equity of `account` at the end of `day`, traded or not.
    double equityOf(const SubAccount& account, int32_t day) const;

    // Trades of the sub-accounts at `positions` over [from, to], counted
    // without making up the rows.
    int64_t countTrades(const std::vector<uint32_t>& positions, int32_t from, int32_t to) const;

    const SimState& state() const { return s_; }

private:
    struct Plan;
    int openCount(const SubAccount& account, int32_t day) const;
    Plan openingPlan(const SubAccount& account, int32_t day, int k) const;
    void price(Plan& plan, int32_t day) const;
    template <class Visit>
    void forEachPlan(const SubAccount& account, int32_t day, bool priced, Visit&& visit) const;
    std::vector<Plan> dayPlans(const SubAccount& account, int32_t day) const;
    double settlementPrice(std::size_t variety, int32_t day) const;
    void addFees(const SubAccount& account, TradeFact& trade) const;

    const SimState& s_;
    std::vector<double> referencePrices_;  // per variety
    std::vector<uint32_t> productOf_;      // per variety: a number per product
    std::unordered_map<int32_t, std::vector<uint32_t>> depositsOf_;
    std::unordered_map<std::string, std::vector<uint32_t>> subAccountsOf_;
    std::unordered_map<int32_t, const RateTemplate*> feeTemplates_;
    // Fee rates by template id (high half) and product, as first asked for
    // (a template's rates for single contracts are read from it each time).
    mutable std::unordered_map<uint64_t, RateRow> feeRows_;
};

}  // namespace korvant::sim
