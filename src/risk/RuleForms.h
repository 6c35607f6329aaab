#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/port/FrontEndPort.h"
#include "risk/RiskRule.h"
#include "risk/RuleCatalogue.h"

// The forms of the rule editor: the "交易品种" dialog (category 2), the
// generic dialog of every other category, and the two scope pickers. Each
// check fills `result` with the rule to send when it accepts the form.
namespace korvant {

struct ReferenceData;

// The products of one exchange, as the pickers list them.
struct ExchangeProducts {
    std::string caption;                // "上海", "大连", "郑州", "中金所"
    std::string code;                   // "SHFE", "DCE", "CZCE", "CFFEX"
    std::vector<std::string> products;  // distinct product codes in contract-list order
};

// The four exchanges with the distinct products of the contract list.
std::vector<ExchangeProducts> exchangeProducts(const ReferenceData& reference);

// The note both dialogs show while modifying a rule.
inline constexpr const char* ProductRuleModifyNote = "修改风控规则，所有已加载该规则的账号均受影响";
inline constexpr const char* GenericRuleModifyNote =
    "注意：修改风控规则，所有已加载该规则的账号均受影响";

struct ProductRuleForm final : Form {
    static constexpr const char* Kind = "riskProductRule";
    const char* kind() const override { return Kind; }

    std::string note;  // empty when adding
    std::vector<ExchangeProducts> exchanges;
    std::vector<std::string> selected;  // product codes chosen in the lists
    std::string name;                   // "名称(可不填):"
    int32_t windowStart = 0;            // "起始时间:", hour·10000 + minute·100 + second
    int32_t windowEnd = 0;              // "终止时间:"
    bool forbidOpen = false;
    bool forbidClose = false;

    RiskRule result;  // set by the check
};

// The choices of the generic dialog's kind list.
struct RuleKindChoice {
    int32_t kind = 0;
    std::string text;  // the template with the current values substituted
};

// The controls a kind needs in the generic dialog.
struct RuleControls {
    bool flags = false;  // "禁止开仓", "禁止平仓" (categories 1 to 13)
    bool forceClose = false;  // "每 … 分钟发送风险通知", "强平所有持仓数量的 … %" (14)
    bool products = false;   // "品种:" and "选择品种"
    bool exchanges = false;  // "交易所:" and "选择交易所"
    std::array<bool, 6> parameters{};
    bool window = false;  // "生效时间: 从" … "到"
};

struct GenericRuleForm final : Form {
    static constexpr const char* Kind = "riskRule";
    const char* kind() const override { return Kind; }

    int32_t category = 0;
    std::string caption() const;
    std::string note;  // empty when adding
    RuleCatalogue catalogue;
    std::vector<ExchangeProducts> exchanges;  // for "选择品种"
    // Where the pickers' checks show their messages; none: no picking.
    FrontEndPort* port = nullptr;

    std::vector<RuleKindChoice> kinds;
    int selectedKind = -1;  // index into `kinds`
    std::string scope;
    std::array<std::string, 6> parameters;  // as typed
    int32_t windowStart = 0;
    int32_t windowEnd = 0;
    bool forbidOpen = false;
    bool forbidClose = false;
    bool notify = false;  // "每"
    int32_t notifyMinutes = 0;
    bool forceClose = false;  // "强平所有持仓数量的"
    int32_t forceClosePercent = 0;
    std::string name;

    RiskRule result;  // set by the check
};

// The names of the checked fields in the messages, and the longest name
// (the summary field of the rule, 256 bytes with its NUL).
inline constexpr const char* NameField = "名称";
inline constexpr const char* NotifyMinutesField = "发送风险通知的间隔（分钟）";
inline constexpr const char* ForceClosePercentField = "强平所有持仓数量的百分比";
inline constexpr std::size_t MaxRuleNameBytes = 255;

// The integer of a typed field: leading blanks, a sign, digits; anything
// else ends it; no digits give 0.
int32_t typedInteger(std::string_view text);

// Forms for adding (`rule` null) or modifying `rule` (the generic dialog
// then offers the rule's own kind only).
ProductRuleForm makeProductRuleForm(const ReferenceData& reference, const RiskRule* rule);
GenericRuleForm makeGenericRuleForm(const ReferenceData& reference, const RuleCatalogue& catalogue,
                                    int32_t category, const RiskRule* rule);

// Rebuilds the kind list texts from the scope, parameters and window of the
// form, keeping the selection.
void refreshKindTexts(GenericRuleForm& form);
// What the selected kind shows; nothing without a selection.
RuleControls controlsOf(const GenericRuleForm& form);

// "确定" of the "交易品种" dialog: at least one product ("请选择至少一个交易品种"),
// a name that the summary field holds (textFieldRefusal).
bool validateProductRuleForm(FrontEndPort& port, ProductRuleForm& form);
// "确定" of the generic dialog: the checks in order, each with its message
// (caption "错误"), the clean-up of what the kind does not use, the summary.
// Values the fields cannot hold are refused, naming the field and its
// limit: parameters that are not whole numbers from 0 to 2147483647,
// negative minutes, a percentage over 100, a name that is not valid UTF-8,
// has characters GBK lacks or takes more than 255 bytes.
bool validateGenericRuleForm(FrontEndPort& port, GenericRuleForm& form);

// "选择品种": the four product lists, pre-selected from a product scope.
struct ProductPickerForm final : Form {
    static constexpr const char* Kind = "riskProductPicker";
    const char* kind() const override { return Kind; }
    std::vector<ExchangeProducts> exchanges;
    std::vector<std::string> selected;
    std::string scope;  // set by the check; empty = all products
};
ProductPickerForm makeProductPicker(const GenericRuleForm& form);
// Nothing selected: "请选择至少一个交易品种"; every product: the empty scope.
bool validateProductPicker(FrontEndPort& port, ProductPickerForm& form);

// "选择交易所": "上期所", "大商所", "郑商所", "中金所".
struct ExchangePickerForm final : Form {
    static constexpr const char* Kind = "riskExchangePicker";
    const char* kind() const override { return Kind; }
    std::array<bool, 4> ticked{};
    std::string scope;  // set by the check
};
ExchangePickerForm makeExchangePicker(const GenericRuleForm& form);
bool validateExchangePicker(FrontEndPort& port, ExchangePickerForm& form);
// The caption of each exchange box, in scope order.
const std::array<const char*, 4>& exchangePickerCaptions();

// The accepted scope goes to the generic form, whose kind texts are redrawn.
void applyScope(GenericRuleForm& form, const std::string& scope);

// The product scope of chosen codes: empty when every listed product is
// chosen, else the codes in exchange and list order joined by "|".
std::string productScopeOf(const std::vector<ExchangeProducts>& exchanges,
                           const std::vector<std::string>& chosen);

}  // namespace korvant
