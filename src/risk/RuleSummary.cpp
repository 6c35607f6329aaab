#include "risk/RuleSummary.h"

#include "app/exchange/Exchange.h"
#include "protocol/Gbk.h"
#include "risk/RiskCategory.h"
#include "text/NumberText.h"

namespace korvant {

namespace {

void replaceAll(std::string& text, const std::string& word, const std::string& by) {
    std::size_t at = 0;
    while ((at = text.find(word, at)) != std::string::npos) {
        text.replace(at, word.size(), by);
        at += by.size();
    }
}

struct ExchangeName {
    const char* code;
    const char* shortName;  // before "等交易所", with its trailing blank
    const char* fullName;
};

constexpr ExchangeName ExchangeNames[] = {{"@SHFE", "上期 ", "上期所"},
                                          {"@DCE", "大商 ", "大商所"},
                                          {"@CZCE", "郑商 ", "郑商所"},
                                          {"@CFFEX", "中金 ", "中金所"}};

const ExchangeName* exchangeOf(const std::string& code) {
    for (const ExchangeName& e : ExchangeNames)
        if (code == e.code) return &e;
    return nullptr;
}

std::string appendedPieces(const RiskRule& rule) {
    std::string out;
    if (rule.forbidOpen != 0) out += ",禁止开仓";
    if (rule.forbidClose != 0) out += ",禁止平仓";
    if (rule.notifyMinutes != 0) out += textf(",每%d分钟发送风险通知", rule.notifyMinutes);
    if (rule.forceClosePercent != 0)
        out += textf(",强平所有持仓数量的%d%%", rule.forceClosePercent);
    return out;
}

bool fixedFirstParameter(int32_t kind) {
    return kind == 29 || kind == 30;
}

}  // namespace

std::string windowPrefix(int32_t start, int32_t end) {
    if (start == 0 && end == 0) return {};
    return textf("[%02i:%02i-%02i:%02i]", start / 10000, (start % 10000) / 100, end / 10000,
                 (end % 10000) / 100);
}

std::string productScopeName(const std::string& scope) {
    if (scope.empty()) return "全部品种";
    const std::size_t bar = scope.find('|');
    if (bar == std::string::npos) return scope;
    return scope.substr(0, bar) + "等品种";
}

std::string exchangeScopeName(const std::string& scope) {
    if (scope.empty()) return "全部交易所";
    const std::size_t bar = scope.find('|');
    if (bar == std::string::npos) {
        const ExchangeName* e = exchangeOf(scope);
        return e != nullptr ? e->fullName : "";
    }
    const ExchangeName* e = exchangeOf(scope.substr(0, bar));
    return std::string(e != nullptr ? e->shortName : "") + "等交易所";
}

std::string productRuleSummary(const RiskRule& rule, const std::string& name) {
    if (!name.empty()) return cutToGbkBytes(name, SummaryTextBytes);
    std::string text = windowPrefix(rule.windowStart, rule.windowEnd);
    // Whole products only: the list stops before the first product that
    // would not fit, never in the middle of a code.
    std::size_t bytes = toGbk(text).size();
    std::size_t start = 0;
    while (!rule.scope.empty() && start <= rule.scope.size()) {
        std::size_t bar = rule.scope.find('|', start);
        if (bar == std::string::npos) bar = rule.scope.size();
        const std::string product = rule.scope.substr(start, bar - start) + ";";
        const std::size_t more = toGbk(product).size();
        if (bytes + more > ProductSummaryBytes) break;
        text += product;
        bytes += more;
        start = bar + 1;
    }
    if (!text.empty() && text.back() == ';') text.pop_back();
    if (rule.forbidOpen != 0) text += ",禁止开仓";
    if (rule.forbidClose != 0) text += ",禁止平仓";
    return text;
}

std::string kindText(const std::string& templateText, const RiskRule& rule,
                     const std::array<std::string, 6>* typed, bool fixedKinds) {
    std::string text = templateText;
    if (fixedKinds && rule.kind == 29 && rule.parameters[0] == 0) text = "Contract 跌停时买";
    if (fixedKinds && rule.kind == 30 && rule.parameters[0] == 0) text = "Contract 涨停时卖";
    if (text.find("Contract") != std::string::npos)
        replaceAll(text, "Contract", productScopeName(rule.scope));
    else if (text.find("Exchange") != std::string::npos)
        replaceAll(text, "Exchange", exchangeScopeName(rule.scope));
    for (int i = 0; i < 6; ++i) {
        const std::string word = "参数" + formatInt(i + 1);
        const int32_t value = rule.parameters[static_cast<std::size_t>(i)];
        if (typed != nullptr)
            replaceAll(text, word, (*typed)[static_cast<std::size_t>(i)]);
        else if (value > 0 || (i == 0 && fixedFirstParameter(rule.kind)))
            replaceAll(text, word, formatInt(value));
    }
    return windowPrefix(rule.windowStart, rule.windowEnd) + text;
}

std::string ruleSummary(const std::string& templateText, const RiskRule& rule,
                        const std::array<std::string, 6>* typed, const std::string& name) {
    if (!name.empty()) return cutToGbkBytes(name, SummaryTextBytes);
    return cutToGbkBytes(kindText(templateText, rule, typed) + appendedPieces(rule),
                         SummaryTextBytes);
}

std::string ruleNote(const RiskRule& rule, const RuleCatalogue& catalogue) {
    std::string note;
    if (rule.category == ProductCategory) {
        note = productRuleSummary(rule);
    } else {
        const RuleKind* entry = catalogue.find(rule.category, rule.kind);
        if (entry == nullptr) return {};
        note = kindText(entry->templateText, rule);
        if (!note.empty()) note += appendedPieces(rule);
        note = cutToGbkBytes(note, SummaryTextBytes);
    }
    return note == rule.summary ? std::string() : note;
}

}  // namespace korvant
