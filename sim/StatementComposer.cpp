#include "StatementComposer.h"

#include <algorithm>
#include <cctype>

#include "DataCatalogue.h"
#include "protocol/Gbk.h"
#include "text/NumberText.h"

namespace korvant::sim {
namespace {

constexpr int Multiplier = 10;

uint64_t mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

uint64_t hashOf(int32_t account, int32_t day, int k) {
    return mix((static_cast<uint64_t>(static_cast<uint32_t>(account)) << 32) ^
               static_cast<uint64_t>(static_cast<uint32_t>(day)) ^
               (static_cast<uint64_t>(k) << 48));
}

int daysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return 29;
    return days[month - 1];
}

bool validDay(int32_t day) {
    const int y = day / 10000, m = day / 100 % 100, d = day % 100;
    return y >= 1900 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= daysInMonth(y, m);
}

// 0 Sunday .. 6 Saturday.
int weekday(int32_t day) {
    int y = day / 10000, m = day / 100 % 100;
    const int d = day % 100;
    static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + t[m - 1] + d) % 7;
}

struct Trade {
    int32_t day = 0;
    const ContractVariety* contract = nullptr;
    bool buy = true;
    bool open = true;
    int lots = 1;
    double price = 0;
    double fee = 0;
    double closeProfit = 0;
};

double referencePrice(const std::string& product) {
    for (const Product& p : products())
        if (product == p.code) return p.price;
    return 1000;
}

std::vector<Trade> tradesOf(const SimState& s, const SubAccount& a, int32_t day) {
    std::vector<Trade> trades;
    if (s.varieties.empty()) return trades;
    const auto busy = s.busyAccounts.find(a.number);
    const int count = busy != s.busyAccounts.end()
                          ? busy->second
                          : static_cast<int>(hashOf(a.number, day, 0) % 6) + 1;
    const RateTemplate* fees = s.findTemplate(s.feeTemplates, a.feeTemplateId);
    trades.reserve(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k) {
        const uint64_t h = hashOf(a.number, day, k);
        Trade t;
        t.day = day;
        t.contract = &s.varieties[h % s.varieties.size()];
        t.buy = (h >> 12) % 2 == 0;
        t.open = (h >> 13) % 3 != 0;
        t.lots = static_cast<int>((h >> 16) % 20) + 1;
        const double step = static_cast<double>(static_cast<int>((h >> 24) % 41) - 20) / 1000.0;
        t.price = static_cast<double>(
            static_cast<int64_t>(referencePrice(t.contract->product) * (1.0 + step)));
        const double amount = t.price * t.lots * Multiplier;
        if (fees != nullptr) {
            const RateRow row = fees->rowOf(*t.contract);
            const int i = t.open ? 0 : 2;
            t.fee = amount * row.values[static_cast<std::size_t>(i)] / 10000.0 +
                    t.lots * row.values[static_cast<std::size_t>(i + 1)];
        }
        if (!t.open)
            t.closeProfit = static_cast<double>(static_cast<int>((h >> 32) % 2001) - 1000) * t.lots;
        trades.push_back(t);
    }
    return trades;
}

// Display width of a text in the statement's fixed-pitch font: a GBK
// double-byte character takes two columns.
std::size_t widthOf(const std::string& utf8) {
    return toGbk(utf8).size();
}

std::string cell(const std::string& text, std::size_t width, bool right) {
    const std::size_t w = widthOf(text);
    const std::string fill(w < width ? width - w : 0, ' ');
    return right ? fill + text : text + fill;
}

std::string money(double v) {
    return formatFixed(v, 2);
}

class Writer {
public:
    explicit Writer(bool csv) : csv_(csv) {}

    void line(const std::string& text = {}) { out_ += text + "\r\n"; }
    // One row of a table: plain text in columns of the given widths (numbers
    // right-aligned), or CSV fields.
    void row(const std::vector<std::string>& cells, const std::vector<int>& widths) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (csv_) {
                if (i > 0) text += ",";
                text += cells[i];
            } else {
                const bool right = i > 0 && !cells[i].empty() &&
                                   cells[i].find_first_not_of("0123456789.-%") == std::string::npos;
                text += cell(cells[i], static_cast<std::size_t>(widths[i]), right);
                text += " ";
            }
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        line(text);
    }
    void rule() {
        if (!csv_) line(std::string(100, '-'));
    }
    void title(const std::string& text) {
        if (csv_)
            line(text);
        else
            line(cell("", (100 - std::min<std::size_t>(100, widthOf(text))) / 2, false) + text);
    }
    std::string& text() { return out_; }

private:
    bool csv_;
    std::string out_;
};

std::string periodText(const StatementAsk& ask) {
    if (ask.end != 0) return "起止日期: " + formatInt(ask.start) + " - " + formatInt(ask.end);
    if (ask.start < 1000000) return "结算月份: " + formatInt(ask.start);
    return "交易日期: " + formatInt(ask.start);
}

}  // namespace

bool isTradingDay(int32_t day) {
    if (!validDay(day)) return false;
    const int w = weekday(day);
    return w != 0 && w != 6;
}

int32_t nextDay(int32_t day) {
    int y = day / 10000, m = day / 100 % 100, d = day % 100;
    if (!validDay(day)) return day + 1;
    if (++d > daysInMonth(y, m)) {
        d = 1;
        if (++m > 12) {
            m = 1;
            ++y;
        }
    }
    return y * 10000 + m * 100 + d;
}

std::vector<int32_t> statementDays(const SubAccount& account, const StatementAsk& ask,
                                   int32_t today) {
    int32_t from = ask.start, to = ask.end;
    if (ask.end == 0 && ask.start < 1000000) {  // a month
        from = ask.start * 100 + 1;
        const int y = ask.start / 100, m = ask.start % 100;
        if (m < 1 || m > 12) return {};
        to = ask.start * 100 + daysInMonth(y, m);
    } else if (ask.end == 0) {
        to = from;
    }
    std::vector<int32_t> days;
    if (!validDay(from) || !validDay(to)) return days;
    // At most some ten years of days, whatever was asked.
    int32_t day = from;
    for (int steps = 0; day <= to && steps < 3700; ++steps, day = nextDay(day))
        if (isTradingDay(day) && day >= account.openingDate && day <= today) days.push_back(day);
    return days;
}

std::optional<std::string> composeStatement(const SimState& s, const StatementAsk& ask,
                                            int32_t today) {
    const SubAccount* a = const_cast<SimState&>(s).findSubAccount(ask.account);
    if (a == nullptr) return std::nullopt;
    const std::vector<int32_t> days = statementDays(*a, ask, today);
    if (days.empty()) return std::nullopt;

    std::vector<Trade> trades;
    for (int32_t day : days) {
        std::vector<Trade> more = tradesOf(s, *a, day);
        trades.insert(trades.end(), more.begin(), more.end());
    }
    double deposits = 0, withdrawals = 0;
    std::vector<const DepositRecord*> movements;
    for (const DepositRecord& d : s.deposits)
        if (d.customer == a->number && d.tradeDate >= days.front() && d.tradeDate <= days.back()) {
            movements.push_back(&d);
            (d.amount >= 0 ? deposits : withdrawals) += d.amount >= 0 ? d.amount : -d.amount;
        }
    double fees = 0, closeProfit = 0;
    for (const Trade& t : trades) {
        fees += t.fee;
        closeProfit += t.closeProfit;
    }
    const uint64_t h = hashOf(a->number, days.front(), 0);
    const double before =
        a->startInvestment + static_cast<double>(static_cast<int>(h % 200001) - 100000);
    const double positionProfit = static_cast<double>(static_cast<int>((h >> 20) % 20001) - 10000);
    const double after = before + deposits - withdrawals + closeProfit - fees;
    const double equity = after + (ask.tradeByTrade ? 0 : positionProfit);
    const double margin = a->positionMargin;

    Writer w(ask.csv);
    const std::string kind = ask.tradeByTrade ? "逐笔" : "盯市";
    w.title(ask.end == 0 && ask.start < 1000000 ? "月结单(" + kind + ")" : "结算单(" + kind + ")");
    w.line();
    w.row({"客户号: " + formatInt(a->number), "客户名称: " + a->name, periodText(ask)},
          {24, 30, 40});
    w.rule();
    w.line("资金状况  币种: 人民币");
    w.row({"上日结存:", money(before), "客户权益:", money(equity)}, {16, 16, 16, 16});
    w.row({"出入金:", money(deposits - withdrawals), "保证金占用:", money(margin)},
          {16, 16, 16, 16});
    w.row({"平仓盈亏:", money(closeProfit), "可用资金:", money(equity - margin)}, {16, 16, 16, 16});
    w.row({ask.tradeByTrade ? "浮动盈亏:" : "持仓盯市盈亏:", money(positionProfit),
           "手续费:", money(fees)},
          {16, 16, 16, 16});
    w.row({"当日结存:", money(after),
           "风险度:", equity > 0 ? formatFixed(margin / equity * 100, 2) + "%" : "0.00%"},
          {16, 16, 16, 16});
    w.rule();
    w.line("出入金明细");
    const std::vector<int> movementWidths = {10, 8, 16, 40};
    w.row({"日期", "类型", "金额", "说明"}, movementWidths);
    for (const DepositRecord* d : movements)
        w.row({formatInt(d->tradeDate), d->amount >= 0 ? "入金" : "出金",
               money(d->amount >= 0 ? d->amount : -d->amount), d->remark},
              movementWidths);
    w.rule();
    w.line("成交明细");
    const std::vector<int> tradeWidths = {8, 6, 6, 8, 5, 5, 10, 5, 11, 4, 9, 14};
    w.row({"成交日期", "交易所", "品种", "合约", "买/卖", "投/保", "成交价", "手数", "成交额",
           "开平", "手续费", ask.tradeByTrade ? "平仓盈亏(逐笔)" : "平仓盈亏(盯市)"},
          tradeWidths);
    int lots = 0;
    for (const Trade& t : trades) {
        lots += t.lots;
        w.row({formatInt(t.day), t.contract->exchange, t.contract->product, t.contract->contract,
               t.buy ? "买" : "卖", "投机", money(t.price), formatInt(t.lots),
               money(t.price * t.lots * Multiplier), t.open ? "开" : "平", money(t.fee),
               money(t.closeProfit)},
              tradeWidths);
    }
    w.row(
        {"合计", "", "", "", "", "", "", formatInt(lots), "", "", money(fees), money(closeProfit)},
        tradeWidths);
    w.rule();
    w.line(ask.tradeByTrade ? "持仓明细" : "持仓汇总");
    const std::vector<int> positionWidths = {10, 8, 8, 8, 12, 16};
    w.row({"合约", "买持仓", "卖持仓", "结算价", "保证金",
           ask.tradeByTrade ? "浮动盈亏" : "盯市盈亏"},
          positionWidths);
    const std::size_t shown = std::min<std::size_t>(trades.size(), 5);
    for (std::size_t i = 0; i < shown; ++i) {
        const Trade& t = trades[i];
        w.row({t.contract->contract, formatInt(t.buy ? t.lots : 0), formatInt(t.buy ? 0 : t.lots),
               money(t.price), money(margin / static_cast<double>(shown)),
               money(positionProfit / static_cast<double>(shown))},
              positionWidths);
    }
    w.rule();
    w.line("本结算单由系统生成, 如有疑问请在下一交易日开市前提出。");
    return toGbk(w.text());
}

}  // namespace korvant::sim
