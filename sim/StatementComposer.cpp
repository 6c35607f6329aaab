#include "StatementComposer.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <map>

#include "DataCatalogue.h"
#include "TradingData.h"
#include "protocol/Gbk.h"
#include "text/NumberText.h"

namespace korvant::sim {
namespace {

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

const char* hedgeText(char hedge) {
    return hedge == '2' ? "套利" : (hedge == '3' ? "套保" : "投机");
}

const char* offsetText(char offset) {
    return offset == '0' ? "开" : (offset == '3' ? "平今" : "平");
}

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

std::optional<std::string> composeStatement(const TradingData& data, const StatementAsk& ask,
                                            int32_t today) {
    const SimState& s = data.state();
    const SubAccount* a = const_cast<SimState&>(s).findSubAccount(ask.account);
    if (a == nullptr) return std::nullopt;
    const std::vector<int32_t> days = statementDays(*a, ask, today);
    if (days.empty()) return std::nullopt;

    // The trades of the trade report and the money of the funds report.
    std::vector<TradeFact> trades;
    for (int32_t day : days) {
        std::vector<TradeFact> more = data.tradesOf(*a, day);
        trades.insert(trades.end(), std::make_move_iterator(more.begin()),
                      std::make_move_iterator(more.end()));
    }
    FundsFact funds;
    if (!data.funds(*a, days.front(), days.back(), funds)) {
        funds.equity = data.equityOf(*a, days.back());
        funds.previousEquity = data.equityOf(*a, previousDay(days.front()));
        funds.available = funds.equity;
    }
    std::vector<const DepositRecord*> movements;
    for (const DepositRecord& d : s.deposits)
        if (d.customer == a->number && d.tradeDate >= days.front() && d.tradeDate <= days.back())
            movements.push_back(&d);
    const double closeProfit = ask.tradeByTrade ? funds.closeFloat : funds.closeProfit;
    const double positionProfit = ask.tradeByTrade ? funds.positionFloat : funds.positionProfit;
    // What the account holds without the profit of its open positions.
    const double after = funds.equity - positionProfit;

    Writer w(ask.csv);
    const std::string kind = ask.tradeByTrade ? "逐笔" : "盯市";
    w.title(ask.end == 0 && ask.start < 1000000 ? "月结单(" + kind + ")" : "结算单(" + kind + ")");
    w.line();
    w.row({"客户号: " + formatInt(a->number), "客户名称: " + a->name, periodText(ask)},
          {24, 30, 40});
    w.rule();
    w.line("资金状况  币种: 人民币");
    w.row({"上日结存:", money(funds.previousEquity), "客户权益:", money(funds.equity)},
          {16, 16, 16, 16});
    w.row(
        {"出入金:", money(funds.deposits - funds.withdrawals), "保证金占用:", money(funds.margin)},
        {16, 16, 16, 16});
    w.row({"平仓盈亏:", money(closeProfit), "可用资金:", money(funds.available)}, {16, 16, 16, 16});
    w.row({ask.tradeByTrade ? "浮动盈亏:" : "持仓盯市盈亏:", money(positionProfit),
           "手续费:", money(funds.fees)},
          {16, 16, 16, 16});
    w.row({"当日结存:", money(after), "风险度:", funds.riskText()}, {16, 16, 16, 16});
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
    double fees = 0, profit = 0;
    for (const TradeFact& t : trades) {
        lots += t.volume;
        fees += t.fee;
        const double closed = ask.tradeByTrade ? t.closeFloat : t.closeProfit;
        profit += closed;
        w.row({formatInt(t.day), t.variety->exchange, t.variety->product, t.variety->contract,
               t.direction == '0' ? "买" : "卖", hedgeText(t.hedge), money(t.price),
               formatInt(t.volume), money(t.amount), offsetText(t.offset), money(t.fee),
               money(closed)},
              tradeWidths);
    }
    w.row({"合计", "", "", "", "", "", "", formatInt(lots), "", "", money(fees), money(profit)},
          tradeWidths);
    w.rule();
    w.line(ask.tradeByTrade ? "持仓明细" : "持仓汇总");
    const std::vector<int> positionWidths = {10, 8, 8, 8, 12, 16};
    w.row({"合约", "买持仓", "卖持仓", "结算价", "保证金",
           ask.tradeByTrade ? "浮动盈亏" : "盯市盈亏"},
          positionWidths);
    // The positions of the report at the end of the last day, by contract.
    struct Held {
        int buy = 0, sell = 0;
        double settlement = 0, margin = 0, profit = 0;
    };
    std::map<std::string, Held> held;
    for (const PositionFact& p : data.positions(*a, days.back())) {
        Held& h = held[p.variety->contract];
        const double units = static_cast<double>(p.volume) * ContractMultiplier;
        const double sign = p.direction == '0' ? 1.0 : -1.0;
        (p.direction == '0' ? h.buy : h.sell) += p.volume;
        h.settlement = p.settlement;
        h.margin += p.settlement * units * MarginRate;
        h.profit +=
            (p.settlement - (ask.tradeByTrade ? p.openPrice : p.previousSettlement)) * units * sign;
    }
    for (const auto& [contract, h] : held)
        w.row({contract, formatInt(h.buy), formatInt(h.sell), money(h.settlement), money(h.margin),
               money(h.profit)},
              positionWidths);
    w.rule();
    w.line("本结算单由系统生成, 如有疑问请在下一交易日开市前提出。");
    return toGbk(w.text());
}

}  // namespace korvant::sim
