#pragma once

#include <string>
#include <vector>

#include "app/port/FrontEndPort.h"
#include "templates/RateRow.h"
#include "templates/TemplateKind.h"
#include "text/NumberInput.h"

// The dialogs of the template area, as core forms the front ends fill.
namespace korvant {

// "手续费率" / "保证金率": the rates of one contract.
struct RateForm final : Form {
    static constexpr const char* Kind = "rates";
    const char* kind() const override { return Kind; }

    const TemplateKind* rateKind = nullptr;
    std::string contract;             // "合约:", read-only
    std::vector<std::string> values;  // one text per value of the kind, as typed
    bool noDiscount = false;          // "平今优惠方式:" "不优惠" (fee only)
    bool absolute = false;            // "收取方式:" the absolute text
    bool allMonths = false;           // "应用到该品种所有月份"

    // What a value field accepts: plain decimals, a sign allowed.
    static constexpr NumberInput ValueInput{8, true, 999999999999.0};

    // The values read as decimal numbers (empty text gives 0).
    RateRow row() const;
};

// Refuses a value that is not a plain decimal number (a typing slip such as
// "1,5" or "0.5x" would otherwise be sent as another rate), naming its
// field "valueN".
bool validateRateForm(FrontEndPort& port, RateForm& form);

// The form of a listed row: its cells as the edits' texts, "不优惠" and
// "绝对" selecting the modes.
RateForm makeRateForm(const TemplateKind& kind, const std::vector<std::string>& cells);

// The rates to send for a form edited from `shown`: the fields typed or
// chosen differently from `shown` as edited, the others from `now` (the
// contract's rates read again).
RateRow mergeUnchangedRates(const RateForm& shown, const RateForm& edited, const RateRow& now);

// The name dialog: caption "添加" or "修改", label "名称:", at most 63 bytes.
struct TemplateNameForm final : Form {
    static constexpr const char* Kind = "templateName";
    const char* kind() const override { return Kind; }

    static constexpr int MaxBytes = 63;
    std::string caption;
    std::string name;

    // The name as the dialog takes it: at most 63 bytes.
    std::string typedName() const;
};

// The template picker of an assignment: caption "加载手续费率" /
// "加载保证金率", label "可选手续费率模板:" / "可选保证金率模板:", the
// entries with "不使用模版" first, and the fixed note.
struct TemplatePickerForm final : Form {
    static constexpr const char* Kind = "templatePicker";
    const char* kind() const override { return Kind; }

    static constexpr const char* NoTemplate = "不使用模版";
    static constexpr const char* Note = "盘中修改费率模版，结算时才能生效。";
    std::string caption;
    std::string label;
    std::vector<std::string> entries;
    int choice = 0;

    // The name sent: empty for the first entry.
    std::string chosenName() const;
};

}  // namespace korvant
