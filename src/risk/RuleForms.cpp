#include "risk/RuleForms.h"

#include <algorithm>
#include <limits>

#include "app/forms/FieldCheck.h"
#include "model/ReferenceData.h"
#include "risk/RiskCategory.h"
#include "risk/RuleSummary.h"

namespace korvant {

namespace {

constexpr const char* ExchangeCodes[] = {"SHFE", "DCE", "CZCE", "CFFEX"};
constexpr const char* ExchangeCaptions[] = {"上海", "大连", "郑州", "中金所"};
constexpr const char* ScopeCodes[] = {"@SHFE", "@DCE", "@CZCE", "@CFFEX"};

const char* const NoProductChosen = "请选择至少一个交易品种";

bool contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

std::vector<std::string> splitScope(const std::string& scope) {
    std::vector<std::string> out;
    std::size_t from = 0;
    while (from <= scope.size() && !scope.empty()) {
        const std::size_t bar = scope.find('|', from);
        const std::size_t end = bar == std::string::npos ? scope.size() : bar;
        if (end > from) out.push_back(scope.substr(from, end - from));
        if (bar == std::string::npos) break;
        from = bar + 1;
    }
    return out;
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) {
        if (!out.empty()) out += '|';
        out += item;
    }
    return out;
}

// The chosen codes in exchange and list order.
std::vector<std::string> inListOrder(const std::vector<ExchangeProducts>& exchanges,
                                     const std::vector<std::string>& chosen, int* listed) {
    std::vector<std::string> out;
    int all = 0;
    for (const ExchangeProducts& e : exchanges)
        for (const std::string& p : e.products) {
            ++all;
            if (contains(chosen, p) && !contains(out, p)) out.push_back(p);
        }
    if (listed != nullptr) *listed = all;
    return out;
}

Message error(const std::string& text) {
    return {text, "错误", MessageIcon::Error};
}

// The rule of the form's current values (parameters as integers), for the
// kind list and the summary.
RiskRule formRule(const GenericRuleForm& form, int32_t kind) {
    RiskRule rule;
    rule.kind = kind;
    rule.category = form.category;
    rule.scope = form.scope;
    for (std::size_t i = 0; i < 6; ++i) rule.parameters[i] = typedInteger(form.parameters[i]);
    rule.windowStart = form.windowStart;
    rule.windowEnd = form.windowEnd;
    return rule;
}

std::string parameterWord(int index) {
    return "参数" + std::to_string(index + 1);
}

bool hasWord(const std::string& text, const char* word) {
    return text.find(word) != std::string::npos;
}

}  // namespace

std::vector<ExchangeProducts> exchangeProducts(const ReferenceData& reference) {
    std::vector<ExchangeProducts> out;
    for (int e = 0; e < 4; ++e) out.push_back({ExchangeCaptions[e], ExchangeCodes[e], {}});
    for (const ContractVariety& v : reference.varieties.records)
        for (ExchangeProducts& e : out)
            if (v.exchangeCode == e.code && !v.productCode.empty() &&
                !contains(e.products, v.productCode))
                e.products.push_back(v.productCode);
    return out;
}

int32_t typedInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<int32_t>::max()) {
            value = std::numeric_limits<int32_t>::max();
            break;
        }
    }
    return static_cast<int32_t>(negative ? -value : value);
}

std::string GenericRuleForm::caption() const {
    return editorCaption(category);
}

ProductRuleForm makeProductRuleForm(const ReferenceData& reference, const RiskRule* rule) {
    ProductRuleForm form;
    form.exchanges = exchangeProducts(reference);
    if (rule != nullptr) {
        form.note = ProductRuleModifyNote;
        form.selected = splitScope(rule->scope);
        form.windowStart = rule->windowStart;
        form.windowEnd = rule->windowEnd;
        form.forbidOpen = rule->forbidOpen != 0;
        form.forbidClose = rule->forbidClose != 0;
        // A rule whose summary is not its description was named.
        if (productRuleSummary(*rule) != rule->summary) form.name = rule->summary;
        form.result = *rule;
    }
    return form;
}

GenericRuleForm makeGenericRuleForm(const ReferenceData& reference, const RuleCatalogue& catalogue,
                                    int32_t category, const RiskRule* rule) {
    GenericRuleForm form;
    form.category = category;
    form.catalogue = catalogue;
    form.exchanges = exchangeProducts(reference);
    // A change cannot give a rule another kind (command 61 has no kind):
    // modifying offers the rule's own kind only.
    for (const RuleKind& k : catalogue.offeredFor(category))
        if (rule == nullptr || k.kind == rule->kind) form.kinds.push_back({k.kind, {}});
    if (!form.kinds.empty()) form.selectedKind = 0;
    if (rule != nullptr) {
        form.note = GenericRuleModifyNote;
        form.scope = rule->scope;
        for (std::size_t i = 0; i < 6; ++i)
            form.parameters[i] =
                rule->parameters[i] != 0 ? std::to_string(rule->parameters[i]) : "";
        form.windowStart = rule->windowStart;
        form.windowEnd = rule->windowEnd;
        form.forbidOpen = rule->forbidOpen != 0;
        form.forbidClose = rule->forbidClose != 0;
        form.notify = rule->notifyMinutes != 0;
        form.notifyMinutes = rule->notifyMinutes;
        form.forceClose = rule->forceClosePercent != 0;
        form.forceClosePercent = rule->forceClosePercent;
        if (!ruleNote(*rule, catalogue).empty()) form.name = rule->summary;
        form.result = *rule;
    }
    refreshKindTexts(form);
    return form;
}

void refreshKindTexts(GenericRuleForm& form) {
    for (RuleKindChoice& choice : form.kinds) {
        const RuleKind* entry = form.catalogue.find(choice.kind);
        const std::string templ = entry != nullptr ? entry->templateText : std::string();
        choice.text = kindText(templ, formRule(form, choice.kind), nullptr, false);
    }
}

RuleControls controlsOf(const GenericRuleForm& form) {
    RuleControls c;
    if (form.selectedKind < 0 || form.selectedKind >= static_cast<int>(form.kinds.size())) return c;
    const RuleKind* entry =
        form.catalogue.find(form.kinds[static_cast<std::size_t>(form.selectedKind)].kind);
    if (entry == nullptr) return c;
    const int32_t category = effectiveCategory(entry->category, entry->kind);
    const std::string& t = entry->templateText;
    c.flags = category >= 1 && category <= 13;
    c.forceClose = category == ForceCloseCategory;
    c.products = hasWord(t, "Contract");
    c.exchanges = hasWord(t, "Exchange");
    for (int i = 0; i < 6; ++i)
        c.parameters[static_cast<std::size_t>(i)] = hasWord(t, parameterWord(i).c_str());
    c.window = !hasWord(t, "时间到达");
    return c;
}

bool validateProductRuleForm(FrontEndPort& port, ProductRuleForm& form) {
    const std::vector<std::string> products = inListOrder(form.exchanges, form.selected, nullptr);
    if (products.empty()) return refuseField(port, form, "products", error(NoProductChosen));
    if (const std::string refusal = textFieldRefusal(NameField, form.name, MaxRuleNameBytes);
        !refusal.empty())
        return refuseField(port, form, "name", error(refusal));
    RiskRule& rule = form.result;
    rule.kind = ProductRuleKind;
    rule.category = ProductCategory;
    rule.scope = joined(products);
    rule.parameters = {};
    rule.notifyMinutes = 0;
    rule.forceClosePercent = 0;
    rule.windowStart = form.windowStart;
    rule.windowEnd = form.windowEnd;
    rule.forbidOpen = form.forbidOpen ? 1 : 0;
    rule.forbidClose = form.forbidClose ? 1 : 0;
    rule.summary = productRuleSummary(rule, form.name);
    return true;
}

bool validateGenericRuleForm(FrontEndPort& port, GenericRuleForm& form) {
    form.refusedField.clear();
    if (form.selectedKind < 0 || form.selectedKind >= static_cast<int>(form.kinds.size()))
        return false;
    const int32_t kind = form.kinds[static_cast<std::size_t>(form.selectedKind)].kind;
    const RuleKind* entry = form.catalogue.find(kind);
    if (entry == nullptr) return false;
    const int32_t category = effectiveCategory(entry->category, entry->kind);
    const std::string& templ = entry->templateText;

    RiskRule rule = formRule(form, kind);
    rule.category = category;
    rule.forbidOpen = form.forbidOpen ? 1 : 0;
    rule.forbidClose = form.forbidClose ? 1 : 0;
    if (category != ForceCloseCategory && category != TimedForceCloseCategory && !form.forbidOpen &&
        !form.forbidClose)
        return refuseField(port, form, "forbidOpen",
                           error("“禁止开仓”和“禁止平仓”至少要勾选一种。  "));
    rule.notifyMinutes = form.notify ? form.notifyMinutes : 0;
    rule.forceClosePercent = form.forceClose ? form.forceClosePercent : 0;
    if (category == ForceCloseCategory) {
        std::string refusal =
            integerRangeRefusal(NotifyMinutesField, rule.notifyMinutes, 0, INT32_MAX);
        if (!refusal.empty()) return refuseField(port, form, "notifyMinutes", error(refusal));
        refusal = integerRangeRefusal(ForceClosePercentField, rule.forceClosePercent, 0, 100);
        if (!refusal.empty()) return refuseField(port, form, "forceClosePercent", error(refusal));
    }
    if (category == ForceCloseCategory && rule.notifyMinutes == 0 && rule.forceClosePercent == 0)
        return refuseField(port, form, "notifyMinutes",
                           error("“发送通知”和“强平”至少要填写一种。  "));

    std::array<std::string, 6> typed = form.parameters;
    for (int i = 0; i < 6; ++i)
        if (!hasWord(templ, parameterWord(i).c_str())) {
            rule.parameters[static_cast<std::size_t>(i)] = 0;
            typed[static_cast<std::size_t>(i)].clear();
        }
    if (!hasWord(templ, "Contract") && !hasWord(templ, "Exchange")) rule.scope.clear();
    if (hasWord(templ, "时间到达")) rule.windowStart = rule.windowEnd = 0;
    if (category != ForceCloseCategory) rule.notifyMinutes = rule.forceClosePercent = 0;

    for (int i = 0; i < 6; ++i) {
        if (!hasWord(templ, parameterWord(i).c_str())) continue;
        // What the field cannot hold is refused, never cut or read as 0.
        const std::string refusal = integerFieldRefusal(
            parameterWord(i), form.parameters[static_cast<std::size_t>(i)], 0, INT32_MAX);
        if (!refusal.empty())
            return refuseField(port, form, ("param" + std::to_string(i + 1)).c_str(),
                               error(refusal));
        if (i == 0 && (kind == 29 || kind == 30)) continue;
        if (rule.parameters[static_cast<std::size_t>(i)] == 0)
            return refuseField(port, form, ("param" + std::to_string(i + 1)).c_str(),
                               error("请填写“" + parameterWord(i) + "”。  "));
    }
    if (const std::string refusal = textFieldRefusal(NameField, form.name, MaxRuleNameBytes);
        !refusal.empty())
        return refuseField(port, form, "name", error(refusal));
    rule.summary = ruleSummary(templ, rule, &typed, form.name);
    const RiskRule before = form.result;
    form.result = rule;
    form.result.id = before.id;
    form.result.owner = before.owner;
    form.result.accountLevel = before.accountLevel;
    return true;
}

std::string productScopeOf(const std::vector<ExchangeProducts>& exchanges,
                           const std::vector<std::string>& chosen) {
    int listed = 0;
    const std::vector<std::string> products = inListOrder(exchanges, chosen, &listed);
    if (listed > 0 && static_cast<int>(products.size()) == listed) return {};
    return joined(products);
}

ProductPickerForm makeProductPicker(const GenericRuleForm& form) {
    ProductPickerForm picker;
    picker.exchanges = form.exchanges;
    picker.selected = splitScope(form.scope);
    picker.scope = form.scope;
    return picker;
}

bool validateProductPicker(FrontEndPort& port, ProductPickerForm& form) {
    if (inListOrder(form.exchanges, form.selected, nullptr).empty()) {
        form.refusedField = "products";
        port.warn(NoProductChosen);
        return false;
    }
    form.scope = productScopeOf(form.exchanges, form.selected);
    return true;
}

const std::array<const char*, 4>& exchangePickerCaptions() {
    static const std::array<const char*, 4> captions = {"上期所", "大商所", "郑商所", "中金所"};
    return captions;
}

ExchangePickerForm makeExchangePicker(const GenericRuleForm& form) {
    ExchangePickerForm picker;
    const std::vector<std::string> codes = splitScope(form.scope);
    for (std::size_t i = 0; i < 4; ++i) picker.ticked[i] = contains(codes, ScopeCodes[i]);
    picker.scope = form.scope;
    return picker;
}

bool validateExchangePicker(FrontEndPort&, ExchangePickerForm& form) {
    std::vector<std::string> codes;
    for (std::size_t i = 0; i < 4; ++i)
        if (form.ticked[i]) codes.push_back(ScopeCodes[i]);
    form.scope = joined(codes);
    return true;
}

void applyScope(GenericRuleForm& form, const std::string& scope) {
    form.scope = scope;
    refreshKindTexts(form);
}

}  // namespace korvant
