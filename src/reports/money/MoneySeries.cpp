#include "reports/money/MoneySeries.h"

#include <map>

#include "text/CalendarDate.h"
#include "text/NumberText.h"

namespace korvant {
namespace {

using DayValues = std::map<int32_t, double>;

Series seriesOf(const std::string& name, const DayValues& values) {
    Series series{name, {}};
    series.points.reserve(values.size());
    for (const auto& [day, value] : values) series.points.push_back({day, value});
    return series;
}

}  // namespace

NetValueSeries netValueSeries(std::span<const NetValueRow> rows, std::size_t maxLines) {
    struct Account {
        std::string name;
        DayValues shareValues;
        DayValues equities;
    };
    std::vector<Account> accounts;
    NetValueSeries out;
    for (const NetValueRow& row : rows) {
        if (row.mainAccount.empty() || !isCalendarDate(row.tradingDay)) continue;
        Account* account = nullptr;
        for (Account& known : accounts)
            if (known.name == row.mainAccount) account = &known;
        if (account == nullptr) {
            if (accounts.size() >= maxLines) {
                bool named = false;
                for (const std::string& left : out.leftOut) named |= left == row.mainAccount;
                if (!named) out.leftOut.push_back(row.mainAccount);
                continue;
            }
            account = &accounts.emplace_back(Account{row.mainAccount, {}, {}});
        }
        if (row.hasShareValue())
            account->shareValues[row.tradingDay] = row.shareValue();
        else
            account->shareValues.erase(row.tradingDay);
        account->equities[row.tradingDay] = row.equity;
    }
    for (const Account& account : accounts) {
        out.shareValues.push_back(seriesOf(account.name, account.shareValues));
        out.equities.push_back(seriesOf(account.name, account.equities));
    }
    return out;
}

FundsSeries fundsSeries(std::span<const FundsRow> rows, const std::string& account) {
    FundsSeries out;
    out.account = account;
    DayValues equity, available, margin, risk;
    for (const FundsRow& row : rows) {
        if (out.account.empty()) out.account = row.account;
        if (row.account != out.account || !isCalendarDate(row.tradingDay)) continue;
        equity[row.tradingDay] = row.equity;
        available[row.tradingDay] = row.available;
        margin[row.tradingDay] = row.margin;
        std::string_view text = row.riskDegree;
        while (!text.empty() && (text.back() == '%' || text.back() == ' ')) text.remove_suffix(1);
        if (const std::optional<double> share = readStrict(text))
            risk[row.tradingDay] = *share;
        else
            risk.erase(row.tradingDay);
    }
    out.equity = seriesOf("权益", equity);
    out.available = seriesOf("可用资金", available);
    out.margin = seriesOf("保证金", margin);
    out.risk = seriesOf("风险度", risk);
    return out;
}

std::string seriesNote(const PageCursor& cursor, const std::vector<std::string>& leftOut) {
    std::string note;
    if (cursor.total > 1)
        note = "图中只有已读的第 " + formatInt(cursor.shownPage()) + "/" + formatInt(cursor.total) +
               " 页";
    if (!leftOut.empty()) {
        if (!note.empty()) note += "；";
        note += "未画出的主账号: ";
        for (std::size_t i = 0; i < leftOut.size(); ++i) note += (i > 0 ? "、" : "") + leftOut[i];
    }
    return note;
}

std::string seriesPointText(const std::string& name, const SeriesPoint& point, int decimals) {
    return formatDate(point.day) + "  " + name + " " + formatFixed(point.value, decimals);
}

}  // namespace korvant
