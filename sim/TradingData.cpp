#include "TradingData.h"

#include <algorithm>
#include <cmath>

#include "DataCatalogue.h"
#include "StatementComposer.h"
#include "text/NumberText.h"

namespace korvant::sim {

// What an order of a day is made of before it becomes rows. An opening
// order decides how long its position is held; the order that closes it
// comes `hold` trading days later ('3', close today, when 0).
struct TradingData::Plan {
    int32_t number = 0;
    uint64_t hash = 0;
    std::size_t variety = 0;
    bool buy = true;
    char offset = '0';
    char hedge = '1';
    char priceType = '2';
    char status = '3';
    int volume = 0;
    int traded = 0;
    int parts = 0;  // trades that filled it
    int hold = 0;
    int32_t openDay = 0;
    int32_t openNumber = 0;
    double price = 0;
    double openPrice = 0;
};

namespace {

uint64_t mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

uint64_t hashOf(uint32_t seed, int32_t account, int32_t day, int k) {
    return mix(mix((static_cast<uint64_t>(seed) << 32) ^ static_cast<uint32_t>(account)) ^
               (static_cast<uint64_t>(static_cast<uint32_t>(day)) << 8) ^ static_cast<uint64_t>(k));
}

double roundPrice(double v, double reference) {
    return reference >= 50 ? std::round(v) : std::round(v * 100) / 100;
}

double cents(double v) {
    return std::round(v * 100) / 100;
}

std::string timeText(int seconds) {
    seconds = std::clamp(seconds, 0, 86399);
    return formatPadded(seconds / 3600, 2) + ":" + formatPadded(seconds / 60 % 60, 2) + ":" +
           formatPadded(seconds % 60, 2);
}

// Seconds of the day of an order: 09:00:00 to 14:59:59.
int orderSeconds(uint64_t hash) {
    return 9 * 3600 + static_cast<int>((hash >> 50) % (6 * 3600));
}

std::string tradeNumber(int32_t day, int32_t order, int part) {
    return formatPadded(day % 1000000, 6) + formatPadded(order, 3) + formatInt(part);
}

int partVolume(int traded, int parts, int part) {
    if (parts < 2) return traded;
    return part == 1 ? traded - traded / 2 : traded / 2;
}

int32_t previousTradingDay(int32_t day) {
    for (int steps = 0; steps < 10; ++steps) {
        day = previousDay(day);
        if (isTradingDay(day)) return day;
    }
    return day;
}

const char* const Products[] = {"KVT-PC", "KVT-API", "KVT-M"};

// Orders a busy account opens a day at most: with the orders that close
// them, the order numbers stay within the three digits of a trade number.
constexpr int MaxBusyOrders = 450;

}  // namespace

std::string FundsFact::riskText() const {
    return formatFixed(riskShare(), 2) + "%";
}

int32_t previousDay(int32_t day) {
    int y = day / 10000, m = day / 100 % 100, d = day % 100;
    if (--d >= 1) return y * 10000 + m * 100 + d;
    if (--m < 1) {
        m = 12;
        --y;
    }
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    d = m == 2 && leap ? 29 : lengths[std::clamp(m, 1, 12) - 1];
    return y * 10000 + m * 100 + d;
}

TradingData::TradingData(const SimState& state) : s_(state) {
    referencePrices_.reserve(s_.varieties.size());
    std::unordered_map<std::string, uint32_t> productNumbers;
    for (const ContractVariety& v : s_.varieties) {
        productOf_.push_back(
            productNumbers.emplace(v.product, static_cast<uint32_t>(productNumbers.size()))
                .first->second);
        double price = 1000;
        for (const Product& p : products())
            if (v.product == p.code) {
                price = p.price;
                break;
            }
        referencePrices_.push_back(price);
    }
    for (uint32_t i = 0; i < s_.deposits.size(); ++i)
        depositsOf_[s_.deposits[i].customer].push_back(i);
    for (uint32_t i = 0; i < s_.subAccounts.size(); ++i)
        subAccountsOf_[s_.subAccounts[i].mainAccount].push_back(i);
    for (const RateTemplate& t : s_.feeTemplates) feeTemplates_.emplace(t.id, &t);
}

bool TradingData::trades(const SubAccount& account, int32_t day) const {
    const TradingSetup& t = s_.trading;
    return day >= account.openingDate && (t.firstDay == 0 || day >= t.firstDay) &&
           (t.lastDay == 0 || day <= t.lastDay) && isTradingDay(day);
}

std::vector<int32_t> TradingData::tradingDays(int32_t from, int32_t to) const {
    const TradingSetup& t = s_.trading;
    if (t.firstDay != 0) from = std::max(from, t.firstDay);
    if (t.lastDay != 0) to = std::min(to, t.lastDay);
    std::vector<int32_t> days;
    int32_t day = from;
    for (int steps = 0; day <= to && steps < 3700; ++steps, day = nextDay(day))
        if (isTradingDay(day)) days.push_back(day);
    return days;
}

double TradingData::settlementPrice(std::size_t variety, int32_t day) const {
    const double reference = referencePrices_[variety];
    const uint64_t h = mix((static_cast<uint64_t>(variety) << 32) ^ static_cast<uint32_t>(day));
    const double step = static_cast<double>(static_cast<int>(h % 81) - 40) / 1000.0;
    return roundPrice(reference * (1.0 + step), reference);
}

int TradingData::openCount(const SubAccount& a, int32_t day) const {
    const TradingSetup& t = s_.trading;
    if (s_.varieties.empty() || !trades(a, day)) return 0;
    if (auto busy = s_.busyAccounts.find(a.number); busy != s_.busyAccounts.end())
        return std::clamp(busy->second, 0, MaxBusyOrders);
    const uint64_t h0 = hashOf(t.seed, a.number, day, 0);
    if (static_cast<int>(h0 % 100) >= t.activePercent) return 0;
    return 1 + static_cast<int>((h0 >> 8) % static_cast<uint64_t>(std::max(1, t.maxOrders)));
}

TradingData::Plan TradingData::openingPlan(const SubAccount& a, int32_t day, int k) const {
    const uint64_t h = hashOf(s_.trading.seed, a.number, day, k);
    Plan p;
    p.number = k;
    p.hash = h;
    p.variety = h % s_.varieties.size();
    p.buy = ((h >> 12) & 1) == 0;
    const int hedge = static_cast<int>((h >> 13) % 10);
    p.hedge = hedge == 0 ? '2' : (hedge == 1 ? '3' : '1');
    p.priceType = (h >> 17) % 5 == 0 ? '1' : '2';
    p.volume = 1 + static_cast<int>((h >> 20) % 10);
    const int share = static_cast<int>((h >> 28) % 100);
    const int some = p.volume > 1 ? 1 + static_cast<int>((h >> 36) % (p.volume - 1)) : 1;
    if (share < 55) {
        p.status = '3';
        p.traded = p.volume;
    } else if (share < 65) {
        p.status = p.volume > 1 ? '5' : '3';
        p.traded = p.volume > 1 ? some : 1;
    } else if (share < 70) {
        p.status = p.volume > 1 ? '2' : '3';
        p.traded = p.volume > 1 ? some : 1;
    } else {
        static const char idle[] = {'4', '4', 'e', 'e', '1', '0', 'x'};
        p.status = idle[static_cast<std::size_t>(share - 70) * 7 / 30];
        p.traded = 0;
    }
    p.parts = p.traded == 0 ? 0 : (p.traded >= 2 && ((h >> 44) & 1) ? 2 : 1);
    p.hold = static_cast<int>((h >> 45) % (MaxHoldDays + 1));
    p.openDay = day;
    p.openNumber = k;
    return p;
}

void TradingData::price(Plan& p, int32_t day) const {
    const double reference = referencePrices_[p.variety];
    const double step = static_cast<double>(static_cast<int>((p.hash >> 48) % 21) - 10) / 2000.0;
    p.price = roundPrice(settlementPrice(p.variety, day) * (1.0 + step), reference);
    if (p.offset == '0') p.openPrice = p.price;
}

// Opening orders first, then the orders that close the positions due on
// `day`, oldest first; `visit(plan)` sees each without its prices when
// `priced` is false.
template <class Visit>
void TradingData::forEachPlan(const SubAccount& a, int32_t day, bool priced, Visit&& visit) const {
    const int opened = openCount(a, day);
    for (int k = 1; k <= opened; ++k) {
        Plan p = openingPlan(a, day, k);
        if (priced) price(p, day);
        visit(p);
    }
    if (!trades(a, day)) return;
    int32_t number = opened;
    int32_t openDay = day;
    for (int back = 0; back <= MaxHoldDays; ++back) {
        if (back > 0) {
            openDay = previousTradingDay(openDay);
            if (!trades(a, openDay)) break;
        }
        const int count = openCount(a, openDay);
        for (int k = 1; k <= count; ++k) {
            Plan o = openingPlan(a, openDay, k);
            if (o.traded == 0 || o.hold != back) continue;
            Plan c;
            c.number = ++number;
            c.hash = mix(o.hash ^ static_cast<uint32_t>(day));
            c.variety = o.variety;
            c.buy = !o.buy;
            c.offset = back == 0 ? '3' : '1';
            c.hedge = o.hedge;
            c.priceType = '2';
            c.status = '3';
            c.volume = c.traded = o.traded;
            c.parts = 1;
            c.openDay = openDay;
            c.openNumber = o.number;
            if (priced) {
                price(o, openDay);
                c.openPrice = o.price;
                price(c, day);
            }
            visit(c);
        }
    }
}

std::vector<TradingData::Plan> TradingData::dayPlans(const SubAccount& a, int32_t day) const {
    std::vector<Plan> plans;
    forEachPlan(a, day, true, [&plans](const Plan& p) { plans.push_back(p); });
    return plans;
}

int TradingData::orderCount(const SubAccount& account, int32_t day) const {
    int count = 0;
    forEachPlan(account, day, false, [&count](const Plan&) { ++count; });
    return count;
}

int TradingData::tradeCount(const SubAccount& account, int32_t day) const {
    int count = 0;
    forEachPlan(account, day, false, [&count](const Plan& p) { count += p.parts; });
    return count;
}

std::vector<OrderFact> TradingData::orders(const SubAccount& a, int32_t day) const {
    std::vector<OrderFact> out;
    for (const Plan& p : dayPlans(a, day)) {
        OrderFact o;
        o.day = day;
        o.number = p.number;
        o.account = a.number;
        o.request = p.number * 10 + 1;
        o.variety = &s_.varieties[p.variety];
        o.direction = p.buy ? '0' : '1';
        o.offset = p.offset;
        o.hedge = p.hedge;
        o.priceType = p.priceType;
        o.status = p.status;
        o.price = p.priceType == '1' ? 0 : p.price;
        o.volume = p.volume;
        o.traded = p.traded;
        const int seconds = orderSeconds(p.hash);
        o.time = timeText(seconds);
        if (o.status == '4' || o.status == '5') o.cancelTime = timeText(seconds + 30);
        o.mainAccount = a.mainAccount;
        o.systemNumber = formatPadded(static_cast<int64_t>(p.hash % 1000000000), 12);
        if (o.status == 'e') o.remark = "资金不足";
        if (o.status == '4' || o.status == '5') o.remark = "用户撤单";
        o.address = "192.168." + formatInt(static_cast<int64_t>(a.number % 250)) + "." +
                    formatInt(static_cast<int64_t>((p.hash >> 8) % 250 + 1));
        o.product = Products[(p.hash >> 16) % 3];
        out.push_back(std::move(o));
    }
    return out;
}

void TradingData::addFees(const SubAccount& a, TradeFact& t) const {
    RateRow row;
    auto fees = feeTemplates_.find(a.feeTemplateId);
    if (fees != feeTemplates_.end() && !fees->second->contracts.empty() &&
        fees->second->contracts.count(t.variety->contract) != 0) {
        row = fees->second->rowOf(*t.variety);
    } else if (fees != feeTemplates_.end()) {
        const auto variety = static_cast<std::size_t>(t.variety - s_.varieties.data());
        const uint64_t key = static_cast<uint64_t>(static_cast<uint32_t>(a.feeTemplateId)) << 32 |
                             productOf_[variety];
        auto cached = feeRows_.find(key);
        if (cached == feeRows_.end()) {
            if (feeRows_.size() > 1000000) feeRows_.clear();
            cached = feeRows_.emplace(key, fees->second->rowOf(*t.variety)).first;
        }
        row = cached->second;
    }
    const std::size_t i = t.offset == '0' ? 0 : (t.offset == '1' ? 2 : 4);
    double base = t.amount * row.values[i] / 10000.0 + t.volume * row.values[i + 1];
    if (base <= 0) base = t.amount * 0.5 / 10000.0;
    t.baseFee = cents(base);
    t.fee = cents(base * 1.2);
}

std::vector<TradeFact> TradingData::tradesOf(const SubAccount& a, int32_t day) const {
    std::vector<TradeFact> out;
    const std::vector<Plan> plans = dayPlans(a, day);
    double previousSettlement = -1;
    for (const Plan& p : plans) {
        for (int part = 1; part <= p.parts; ++part) {
            TradeFact t;
            t.day = day;
            t.orderNumber = p.number;
            t.tradeNumber = tradeNumber(day, p.number, part);
            t.account = a.number;
            t.request = p.number * 10 + 1;
            t.variety = &s_.varieties[p.variety];
            t.direction = p.buy ? '0' : '1';
            t.offset = p.offset;
            t.hedge = p.hedge;
            t.price = p.price;
            t.volume = partVolume(p.traded, p.parts, part);
            t.amount = cents(t.price * t.volume * ContractMultiplier);
            t.time = timeText(orderSeconds(p.hash) + 3 * part);
            t.mainAccount = a.mainAccount;
            t.systemNumber = formatPadded(static_cast<int64_t>(p.hash % 1000000000), 12);
            addFees(a, t);
            if (p.offset != '0') {
                // A long position is closed by selling.
                const double sign = p.buy ? -1.0 : 1.0;
                if (p.openDay == day) {
                    previousSettlement = p.openPrice;
                } else {
                    previousSettlement = settlementPrice(p.variety, previousTradingDay(day));
                }
                t.closeFloat =
                    cents((t.price - p.openPrice) * t.volume * ContractMultiplier * sign);
                t.closeProfit =
                    cents((t.price - previousSettlement) * t.volume * ContractMultiplier * sign);
            }
            out.push_back(std::move(t));
        }
    }
    return out;
}

std::vector<PositionFact> TradingData::positions(const SubAccount& a, int32_t day) const {
    std::vector<PositionFact> out;
    if (!trades(a, day)) return out;
    int32_t openDay = day;
    for (int back = 0; back < MaxHoldDays; ++back) {
        if (back > 0) {
            openDay = previousTradingDay(openDay);
            if (!trades(a, openDay)) break;
        }
        const int count = openCount(a, openDay);
        for (int k = 1; k <= count; ++k) {
            Plan p = openingPlan(a, openDay, k);
            if (p.traded == 0 || p.hold <= back) continue;
            price(p, openDay);
            for (int part = 1; part <= p.parts; ++part) {
                PositionFact f;
                f.variety = &s_.varieties[p.variety];
                f.mainAccount = a.mainAccount;
                f.openTime = timeText(orderSeconds(p.hash) + 3 * part);
                f.tradeNumber = tradeNumber(openDay, p.number, part);
                f.direction = p.buy ? '0' : '1';
                f.hedge = p.hedge;
                f.account = a.number;
                f.openDay = openDay;
                f.day = day;
                f.volume = partVolume(p.traded, p.parts, part);
                f.openPrice = p.price;
                f.settlement = settlementPrice(p.variety, day);
                f.previousSettlement =
                    back == 0 ? p.price : settlementPrice(p.variety, previousTradingDay(day));
                auto change = s_.positionChanges.find({a.number, openDay, f.tradeNumber});
                if (change != s_.positionChanges.end() && change->second.fromDay <= day) {
                    if (change->second.volume >= 0) f.volume = change->second.volume;
                    if (change->second.hedge != 0)
                        f.hedge = static_cast<char>(change->second.hedge);
                }
                if (f.volume > 0) out.push_back(std::move(f));
            }
        }
    }
    return out;
}

double TradingData::equityOf(const SubAccount& a, int32_t day) const {
    double moved = 0;
    if (auto it = depositsOf_.find(a.number); it != depositsOf_.end())
        for (uint32_t i : it->second)
            if (s_.deposits[i].tradeDate <= day) moved += s_.deposits[i].amount;
    const uint64_t h = hashOf(s_.trading.seed, a.number, day, 99);
    const double drift = static_cast<double>(static_cast<int>(h % 1001) - 500) / 10000.0;
    return cents(a.startInvestment * (1.0 + drift) + moved);
}

FundsFact TradingData::funds(const SubAccount& a, int32_t day) const {
    FundsFact f;
    f.account = a.number;
    f.day = day;
    for (const TradeFact& t : tradesOf(a, day)) {
        f.fees += t.fee;
        f.baseFees += t.baseFee;
        f.closeFloat += t.closeFloat;
        f.closeProfit += t.closeProfit;
    }
    for (const PositionFact& p : positions(a, day)) {
        const double sign = p.direction == '0' ? 1.0 : -1.0;
        const double lots = static_cast<double>(p.volume) * ContractMultiplier;
        f.margin += p.settlement * lots * MarginRate;
        f.positionFloat += (p.settlement - p.openPrice) * lots * sign;
        f.positionProfit += (p.settlement - p.previousSettlement) * lots * sign;
    }
    if (auto it = depositsOf_.find(a.number); it != depositsOf_.end())
        for (uint32_t i : it->second) {
            const DepositRecord& d = s_.deposits[i];
            if (d.tradeDate != day) continue;
            (d.amount >= 0 ? f.deposits : f.withdrawals) += std::abs(d.amount);
        }
    f.fees = cents(f.fees);
    f.baseFees = cents(f.baseFees);
    f.closeFloat = cents(f.closeFloat);
    f.closeProfit = cents(f.closeProfit);
    f.margin = cents(f.margin);
    f.positionFloat = cents(f.positionFloat);
    f.positionProfit = cents(f.positionProfit);
    f.equity = equityOf(a, day);
    f.previousEquity = equityOf(a, previousTradingDay(day));
    f.available = cents(f.equity - f.margin);
    return f;
}

bool TradingData::funds(const SubAccount& a, int32_t from, int32_t to, FundsFact& out) const {
    bool any = false;
    for (int32_t day : tradingDays(from, to)) {
        if (!trades(a, day)) continue;
        const FundsFact f = funds(a, day);
        if (!any) {
            out = f;
            any = true;
            continue;
        }
        out.day = f.day;
        out.equity = f.equity;
        out.available = f.available;
        out.margin = f.margin;
        out.positionFloat = f.positionFloat;
        out.positionProfit = f.positionProfit;
        out.fees = cents(out.fees + f.fees);
        out.baseFees = cents(out.baseFees + f.baseFees);
        out.closeFloat = cents(out.closeFloat + f.closeFloat);
        out.closeProfit = cents(out.closeProfit + f.closeProfit);
        out.deposits += f.deposits;
        out.withdrawals += f.withdrawals;
    }
    return any;
}

std::vector<NetValueFact> TradingData::netValues(const MainAccount& m, int32_t from,
                                                 int32_t to) const {
    std::vector<NetValueFact> out;
    auto subs = subAccountsOf_.find(m.account);
    if (subs == subAccountsOf_.end()) return out;
    int daysInMonth = 0;
    int month = 0;
    for (int32_t day : tradingDays(from, to)) {
        NetValueFact n;
        bool any = false;
        for (uint32_t i : subs->second) {
            const SubAccount& a = s_.subAccounts[i];
            if (!trades(a, day)) continue;
            n.equity += equityOf(a, day);
            any = true;
        }
        if (!any) continue;
        // Fees accrue from the first trading day of the month.
        if (day / 100 != month) {
            month = day / 100;
            daysInMonth = 0;
            for (int32_t d = month * 100 + 1; d < day; d = nextDay(d))
                if (isTradingDay(d)) ++daysInMonth;
        }
        ++daysInMonth;
        n.mainAccount = m.account;
        n.day = day;
        n.equity = cents(n.equity);
        n.initialInvestment = m.startInvestment;
        n.managementFee = cents(n.equity * m.fees[0] / 100.0 / 365.0);
        n.custodyFee = cents(n.equity * m.fees[1] / 100.0 / 365.0);
        n.accruedManagement = cents(n.managementFee * daysInMonth);
        n.accruedCustody = cents(n.custodyFee * daysInMonth);
        n.netAsset = cents(n.equity - n.accruedManagement - n.accruedCustody);
        out.push_back(std::move(n));
    }
    return out;
}

int64_t TradingData::countTrades(const std::vector<uint32_t>& positions, int32_t from,
                                 int32_t to) const {
    int64_t count = 0;
    for (int32_t day : tradingDays(from, to))
        for (uint32_t i : positions) count += tradeCount(s_.subAccounts[i], day);
    return count;
}

}  // namespace korvant::sim
